/* A host at its smallest, linked against an import library of kelvdcfg.dll: it calls the three
   entry points through the public header and needs no runtime of its own. */
#include "kelvdcfg.h"

int entry(void) {
    SelectAll();
    SelectNone();
    return ConfigureKELVD("", KELVD_RUN_SHEET_ONLY, 0);
}
