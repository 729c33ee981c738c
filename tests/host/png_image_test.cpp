// The PNG files of the sheet's pictures: what a PNG reader decodes from them.
#include "host/png_image.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include <gtest/gtest.h>

#include <memory>

namespace kwhost {

namespace {

using Bytes = std::vector<uint8_t>;

// The image a PNG reader finds in png: its size and RGB pixels; empty when it finds none.
RgbImage Decoded(const Bytes& png) {
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height, &channels,
                              3),
        stbi_image_free);
    if (!pixels || channels != 3)
        return {};
    return {uint32_t(width), uint32_t(height),
            Bytes(pixels.get(), pixels.get() + size_t(width) * height * 3)};
}

void ExpectRoundTrip(const RgbImage& image) {
    const Bytes png = EncodePng(image);
    // The signature, and a header of depth 8, colour type 2 (RGB), no interlace.
    ASSERT_LE(33u, png.size());
    EXPECT_EQ((Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'}),
              Bytes(png.begin(), png.begin() + 16));
    EXPECT_EQ((Bytes{8, 2, 0, 0, 0}), Bytes(png.begin() + 24, png.begin() + 29));
    const RgbImage decoded = Decoded(png);
    EXPECT_EQ(image.width, decoded.width);
    EXPECT_EQ(image.height, decoded.height);
    EXPECT_EQ(image.pixels, decoded.pixels);
}

TEST(PngImage, OnePixelDecodesToItself) {
    ExpectRoundTrip(RgbImage{1, 1, {0x12, 0x34, 0x56}});
}

// 5 x 4,096 pixels of a pattern, and a row as wide as a picture may be.
TEST(PngImage, LargeImagesDecodeToThemselves) {
    RgbImage tall{5, 4096, {}};
    for (uint32_t i = 0; i < 5 * 4096 * 3; ++i)
        tall.pixels.push_back(uint8_t(i * 7));
    ExpectRoundTrip(tall);
    RgbImage wide{kMaxPngSide, 1, Bytes(kMaxPngSide * 3)};
    for (size_t i = 0; i < wide.pixels.size(); ++i)
        wide.pixels[i] = uint8_t(i % 251);
    ExpectRoundTrip(wide);
}

TEST(PngImage, RefusesWhatItCannotHold) {
    const auto encodes = [](uint32_t width, uint32_t height, size_t bytes) {
        return !EncodePng(RgbImage{width, height, Bytes(bytes)}).empty();
    };
    EXPECT_FALSE(encodes(0, 0, 0));
    EXPECT_FALSE(encodes(0, 5, 0));
    EXPECT_FALSE(encodes(4, 4, 47));
    EXPECT_FALSE(encodes(kMaxPngSide + 1, 1, (kMaxPngSide + 1) * 3));
    EXPECT_TRUE(encodes(kMaxPngSide, 1, kMaxPngSide * 3));
    EXPECT_TRUE(encodes(1, kMaxPngSide, kMaxPngSide * 3));
}

} // namespace

} // namespace kwhost
