#include "host/win32/window_picture.h"

namespace kwhost {

namespace {

// The screen's pixels inside the rectangle, copied into a bitmap of their own.
HBITMAP CopyOfScreen(HDC screen, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    bool copied = false;
    if (memory && bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied =
            BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
        SelectObject(memory, previous);
    }
    if (memory)
        DeleteDC(memory);
    if (!copied && bitmap) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

// The bitmap's pixels, read 32 bits each with rows from the top, as red, green, blue.
bool ReadPixels(HDC screen, HBITMAP bitmap, int width, int height, RgbImage* image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> bgrx(size_t(width) * height * 4);
    if (GetDIBits(screen, bitmap, 0, height, bgrx.data(), &info, DIB_RGB_COLORS) != height)
        return false;
    image->width = width;
    image->height = height;
    image->pixels.clear();
    image->pixels.reserve(size_t(width) * height * 3);
    for (size_t i = 0; i < bgrx.size(); i += 4)
        image->pixels.insert(image->pixels.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
    return true;
}

} // namespace

bool PictureOfWindow(HWND window, RgbImage* image) {
    RECT rect;
    if (!IsWindowVisible(window) || !GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || width > int(kMaxPngSide) || height > int(kMaxPngSide))
        return false;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CopyOfScreen(screen, rect);
    const bool taken = bitmap && ReadPixels(screen, bitmap, width, height, image);
    if (bitmap)
        DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return taken;
}

} // namespace kwhost
