#include "host/png_image.h"

// The encoder's code, compiled here only, for memory only.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace kwhost {

namespace {

constexpr int kRgb = 3;

void Append(void* png, void* data, int size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    static_cast<std::vector<uint8_t>*>(png)->insert(static_cast<std::vector<uint8_t>*>(png)->end(),
                                                    bytes, bytes + size);
}

} // namespace

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    if (image.width == 0 || image.height == 0 || image.width > kMaxPngSide ||
        image.height > kMaxPngSide ||
        image.pixels.size() != size_t{image.width} * image.height * kRgb)
        return {};
    std::vector<uint8_t> png;
    const int width = static_cast<int>(image.width), height = static_cast<int>(image.height);
    if (!stbi_write_png_to_func(Append, &png, width, height, kRgb, image.pixels.data(),
                                width * kRgb))
        return {};
    return png;
}

} // namespace kwhost
