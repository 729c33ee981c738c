// Pictures of the sheet saved as PNG files: 8-bit RGB, encoded by stb_image_write.
#pragma once

#include <cstdint>
#include <vector>

namespace kwhost {

struct RgbImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels; // red, green, blue per pixel; rows from the top
};

// The largest width and height the encoder takes, which keeps every size within 32 bits.
constexpr uint32_t kMaxPngSide = 16384;

// The PNG file of the image: colour type 2, depth 8, no interlace. Empty when a side is 0 or above
// kMaxPngSide, or when the pixels do not fill exactly width times height.
std::vector<uint8_t> EncodePng(const RgbImage& image);

} // namespace kwhost
