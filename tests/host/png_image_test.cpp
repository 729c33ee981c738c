// The PNG files of the sheet's pictures, byte for byte.
#include "host/png_image.h"

#include <gtest/gtest.h>

namespace kwhost {

namespace {

using Bytes = std::vector<uint8_t>;

// Signature, header, stored rows with their checksums, end: every byte of a one-pixel file.
TEST(PngImage, OnePixelByteForByte) {
    EXPECT_EQ((Bytes{0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A, 0,    0,    0,    13,
                     'I',  'H',  'D',  'R',  0,    0,    0,    1,    0,    0,    0,    1,
                     8,    2,    0,    0,    0,    0x90, 0x77, 0x53, 0xDE, 0,    0,    0,
                     15,   'I',  'D',  'A',  'T',  0x78, 0x01, 0x01, 0x04, 0x00, 0xFB, 0xFF,
                     0x00, 0x12, 0x34, 0x56, 0x00, 0xF8, 0x00, 0x9D, 0xF8, 0xD7, 0x64, 0x8C,
                     0,    0,    0,    0,    'I',  'E',  'N',  'D',  0xAE, 0x42, 0x60, 0x82}),
              EncodePng(RgbImage{1, 1, {0x12, 0x34, 0x56}}));
}

// 5 x 4,096 pixels: 65,536 bytes of rows behind their filter bytes, one more than a stored block
// holds, so a full block and a last one of one byte; then the Adler-32 of the rows and the CRC.
TEST(PngImage, RowsBeyondOneStoredBlockGoOnInTheNext) {
    RgbImage image{5, 4096, {}};
    for (uint32_t i = 0; i < 5 * 4096 * 3; ++i)
        image.pixels.push_back(uint8_t(i * 7));
    const Bytes png = EncodePng(image);
    ASSERT_EQ(33u + 12 + 0x10010 + 12, png.size());
    EXPECT_EQ((Bytes{0, 1, 0, 0x10, 'I', 'D', 'A', 'T', 0x78, 0x01, 0, 0xFF, 0xFF, 0, 0}),
              Bytes(png.begin() + 33, png.begin() + 48));
    EXPECT_EQ((Bytes{1, 1, 0, 0xFE, 0xFF, 0xF9, 0x43, 0xE9, 0x8E, 0xFA, 0x9C, 0x9C, 0x82, 0xF4}),
              Bytes(png.end() - 26, png.end() - 12));
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
