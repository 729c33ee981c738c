/* A stand-in for the Forgeline control-panel applet FLine.cpl, for the end-to-end runs of the
   shipped DLL. Built twice, its export once as a plain C function (__cdecl) and once __stdcall:
   the library must come back from either. Each call appends its arguments to the file that
   KELVD_FLINE_LOG names, and the result says that the Tempora driver was disabled. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

__declspec(dllexport) int32_t FLINE_CONVENTION
    FLCPanel_SetDriverState(uint32_t first, uint32_t second, uint32_t* result) {
    const char* log = getenv("KELVD_FLINE_LOG");
    FILE* file = log ? fopen(log, "ab") : NULL;
    if (file) {
        fprintf(file, "FLCPanel_SetDriverState %u %u\n", (unsigned)first, (unsigned)second);
        fclose(file);
    }
    for (int member = 0; member < 5; ++member)
        result[member] = member == 1;
    return 1;
}
