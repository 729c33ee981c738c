/* The whole code of the test driver images: an entry point that does nothing. */
void entry(void) {}
