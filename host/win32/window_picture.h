// A picture of a window as the screen shows it.
#pragma once

#include "host/png_image.h"

#include "platform/win32/windows_support.h"

namespace kwhost {

// Copies the window's rectangle from the screen, frame included; the window must be visible and
// on top. False when it cannot.
bool PictureOfWindow(HWND window, RgbImage* image);

} // namespace kwhost
