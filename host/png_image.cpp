#include "host/png_image.h"

#include <algorithm>
#include <array>

namespace kwhost {

namespace {

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr size_t kStoredBlockLimit = 65535;

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored blocks (no compression): header, blocks, Adler-32 of the data.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = std::min(kStoredBlockLimit, data.size() - offset);
        const bool last = offset + length == data.size();
        out.push_back(last ? 1 : 0);
        const uint16_t size = static_cast<uint16_t>(length);
        for (uint16_t field : {size, static_cast<uint16_t>(~size)}) {
            out.push_back(static_cast<uint8_t>(field));
            out.push_back(static_cast<uint8_t>(field >> 8));
        }
        out.insert(out.end(), data.begin() + offset, data.begin() + offset + length);
        offset += length;
    } while (offset < data.size());
    PutBigEndian(out, Adler32(data));
    return out;
}

} // namespace

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    if (image.width == 0 || image.height == 0 || image.width > kMaxPngSide ||
        image.height > kMaxPngSide || image.pixels.size() != size_t{image.width} * image.height * 3)
        return {};
    std::vector<uint8_t> header;
    PutBigEndian(header, image.width);
    PutBigEndian(header, image.height);
    // Depth 8, RGB, deflate, the one filter method, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});

    const size_t rowBytes = size_t{image.width} * 3;
    std::vector<uint8_t> rows;
    rows.reserve((rowBytes + 1) * image.height);
    for (uint32_t y = 0; y < image.height; ++y) {
        rows.push_back(0); // filter: none
        const auto row = image.pixels.begin() + y * rowBytes;
        rows.insert(rows.end(), row, row + rowBytes);
    }

    std::vector<uint8_t> png(std::begin(kSignature), std::end(kSignature));
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(rows));
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace kwhost
