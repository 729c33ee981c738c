// Every Windows file of the project reaches the Windows headers through here: <windows.h> without
// the parts nobody uses (WIN32_LEAN_AND_MEAN) and without the min and max macros (NOMINMAX), so
// the C++ library's own min and max keep working. Files that need a header the lean set leaves
// out (the common controls and dialogs) include it after this one.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
