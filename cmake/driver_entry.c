/* The whole code of the driver images built for the tests and the demonstration: an entry point
   that does nothing. */
void entry(void) {}
