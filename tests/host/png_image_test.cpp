// The PNG files of the sheet's pictures, checked byte for byte with a reader of their own.
#include "host/png_image.h"

#include <gtest/gtest.h>

#include <string>

namespace kwhost {

namespace {

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 |
           uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

// CRC-32 bit by bit, as the PNG format defines it.
uint32_t BitwiseCrc(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
};

// The chunks after the signature; fails the test on a bad length or CRC.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& png) {
    std::vector<Chunk> chunks;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = BigEndian(png, at);
        EXPECT_LE(at + 12 + length, png.size());
        if (at + 12 + length > png.size())
            break;
        EXPECT_EQ(BitwiseCrc(&png[at + 4], length + 4), BigEndian(png, at + 8 + length));
        chunks.push_back(
            {std::string(png.begin() + at + 4, png.begin() + at + 8),
             std::vector<uint8_t>(png.begin() + at + 8, png.begin() + at + 8 + length)});
        at += 12 + length;
    }
    EXPECT_EQ(png.size(), at);
    return chunks;
}

// The data of a zlib stream of stored blocks, with the number of blocks; fails the test when
// the stream is anything else or its Adler-32 is wrong.
std::vector<uint8_t> Unstore(const std::vector<uint8_t>& stream, int* blocks) {
    std::vector<uint8_t> data;
    EXPECT_EQ(0x78, stream.at(0));
    EXPECT_EQ(0, (stream.at(0) << 8 | stream.at(1)) % 31);
    size_t at = 2;
    *blocks = 0;
    for (bool last = false; !last;) {
        const uint8_t header = stream.at(at);
        EXPECT_EQ(0, header & 0x06) << "not a stored block";
        last = header & 1;
        const uint16_t length = uint16_t(stream.at(at + 1) | stream.at(at + 2) << 8);
        const uint16_t complement = uint16_t(stream.at(at + 3) | stream.at(at + 4) << 8);
        EXPECT_EQ(uint16_t(~length), complement);
        data.insert(data.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
        at += 5 + length;
        ++*blocks;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(b << 16 | a, BigEndian(stream, at));
    EXPECT_EQ(stream.size(), at + 4);
    return data;
}

RgbImage Gradient(uint32_t width, uint32_t height) {
    RgbImage image{width, height, {}};
    for (uint32_t i = 0; i < width * height * 3; ++i)
        image.pixels.push_back(uint8_t(i * 7));
    return image;
}

// The rows as the file must hold them: each behind a filter byte of 0.
std::vector<uint8_t> Rows(const RgbImage& image) {
    std::vector<uint8_t> rows;
    for (uint32_t y = 0; y < image.height; ++y) {
        rows.push_back(0);
        rows.insert(rows.end(), image.pixels.begin() + y * image.width * 3,
                    image.pixels.begin() + (y + 1) * image.width * 3);
    }
    return rows;
}

struct Size {
    uint32_t width, height;
    int blocks; // 65535 bytes of rows at most per stored block
};

class PngImages : public testing::TestWithParam<Size> {};

TEST_P(PngImages, HoldTheirSizeAndEveryPixel) {
    const RgbImage image = Gradient(GetParam().width, GetParam().height);
    const std::vector<uint8_t> png = EncodePng(image);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ((std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}),
              std::vector<uint8_t>(png.begin(), png.begin() + 8));
    const std::vector<Chunk> chunks = Chunks(png);
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    ASSERT_EQ(13u, chunks[0].data.size());
    EXPECT_EQ(image.width, BigEndian(chunks[0].data, 0));
    EXPECT_EQ(image.height, BigEndian(chunks[0].data, 4));
    EXPECT_EQ((std::vector<uint8_t>{8, 2, 0, 0, 0}),
              std::vector<uint8_t>(chunks[0].data.begin() + 8, chunks[0].data.end()));
    EXPECT_EQ("IDAT", chunks[1].type);
    int blocks = 0;
    EXPECT_EQ(Rows(image), Unstore(chunks[1].data, &blocks));
    EXPECT_EQ(GetParam().blocks, blocks);
    EXPECT_EQ("IEND", chunks[2].type);
    EXPECT_TRUE(chunks[2].data.empty());
}

INSTANTIATE_TEST_SUITE_P(Host, PngImages,
                         testing::Values(Size{1, 1, 1}, Size{3, 2, 1},
                                         // 65535 bytes of rows exactly, then one byte more.
                                         Size{28, 771, 1}, Size{5, 4096, 2}, Size{640, 300, 9}));

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
