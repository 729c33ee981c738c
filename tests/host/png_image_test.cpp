// The PNG files of the sheet's pictures, byte for byte.
#include "host/png_image.h"

#include <gtest/gtest.h>

namespace kwhost {

namespace {

RgbImage Gradient(uint32_t width, uint32_t height) {
    RgbImage image{width, height, {}};
    for (uint32_t i = 0; i < width * height * 3; ++i)
        image.pixels.push_back(uint8_t(i * 7));
    return image;
}

// Signature, header, stored rows with their checksums, end: every byte of a one-pixel file.
TEST(PngImage, OnePixelByteForByte) {
    EXPECT_EQ((std::vector<uint8_t>{
                  0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A, 0,    0,    0,    13,
                  'I',  'H',  'D',  'R',  0,    0,    0,    1,    0,    0,    0,    1,
                  8,    2,    0,    0,    0,    0x90, 0x77, 0x53, 0xDE, 0,    0,    0,
                  15,   'I',  'D',  'A',  'T',  0x78, 0x01, 0x01, 0x04, 0x00, 0xFB, 0xFF,
                  0x00, 0x12, 0x34, 0x56, 0x00, 0xF8, 0x00, 0x9D, 0xF8, 0xD7, 0x64, 0x8C,
                  0,    0,    0,    0,    'I',  'E',  'N',  'D',  0xAE, 0x42, 0x60, 0x82}),
              EncodePng(RgbImage{1, 1, {0x12, 0x34, 0x56}}));
}

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 |
           uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

struct Size {
    uint32_t width, height;
    std::vector<uint16_t> blocks; // the stored blocks' lengths: 65535 bytes of rows at most
};

class PngImages : public testing::TestWithParam<Size> {};

// The rows go behind a filter byte of 0 each, split into stored blocks, the last one marked.
TEST_P(PngImages, SplitTheRowsIntoStoredBlocks) {
    const RgbImage image = Gradient(GetParam().width, GetParam().height);
    const std::vector<uint8_t> png = EncodePng(image);
    ASSERT_GT(png.size(), 33u + 12 + 12);
    const size_t length = BigEndian(png, 33);
    ASSERT_EQ(33 + 12 + length + 12, png.size());
    std::vector<uint8_t> rows, stored;
    for (uint32_t y = 0; y < image.height; ++y) {
        rows.push_back(0);
        rows.insert(rows.end(), image.pixels.begin() + y * image.width * 3,
                    image.pixels.begin() + (y + 1) * image.width * 3);
    }
    std::vector<uint16_t> blocks;
    size_t at = 33 + 8 + 2;
    for (bool last = false; !last && at + 5 <= png.size();) {
        last = png[at] == 1;
        const uint16_t size = uint16_t(png[at + 1] | png[at + 2] << 8);
        EXPECT_EQ(uint16_t(~size), uint16_t(png[at + 3] | png[at + 4] << 8));
        blocks.push_back(size);
        stored.insert(stored.end(), png.begin() + at + 5, png.begin() + at + 5 + size);
        at += 5 + size;
    }
    EXPECT_EQ(GetParam().blocks, blocks);
    EXPECT_EQ(rows, stored);
    uint32_t a = 1, b = 0;
    for (uint8_t byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(b << 16 | a, BigEndian(png, at));
}

INSTANTIATE_TEST_SUITE_P(Host, PngImages,
                         testing::Values(Size{3, 2, {20}}, Size{28, 771, {65535}},
                                         Size{5, 4096, {65535, 1}}));

TEST(PngImage, RefusesWhatItCannotHold) {
    EXPECT_TRUE(EncodePng(RgbImage{}).empty());
    EXPECT_TRUE(EncodePng(Gradient(0, 5)).empty());
    RgbImage short_ = Gradient(4, 4);
    short_.pixels.pop_back();
    EXPECT_TRUE(EncodePng(short_).empty());
    EXPECT_TRUE(EncodePng(RgbImage{kMaxPngSide + 1, 1, std::vector<uint8_t>((kMaxPngSide + 1) * 3)})
                    .empty());
    EXPECT_FALSE(
        EncodePng(RgbImage{kMaxPngSide, 1, std::vector<uint8_t>(kMaxPngSide * 3)}).empty());
}

} // namespace

} // namespace kwhost
