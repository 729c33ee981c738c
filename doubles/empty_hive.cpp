#include "doubles/empty_hive.h"

#include "platform/little_endian.h"

#include <cstring>

namespace platform {

namespace {

constexpr size_t kBlockSize = 0x1000;
constexpr uint32_t kBinHeaderSize = 0x20;
constexpr uint32_t kNoCell = 0xFFFFFFFF;

void Put16(std::string& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<char>(value);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, size_t at, uint32_t value) {
    StoreUint32(reinterpret_cast<uint8_t*>(&bytes[at]), value);
}

// A cell's size is a multiple of 8; a cell in use stores it negated.
uint32_t CellSize(size_t content) {
    return static_cast<uint32_t>((content + 7) & ~size_t{7});
}

// Owner and group BUILTIN\Administrators; a DACL granting everyone full access to the key.
std::string SecurityDescriptor() {
    const std::string administrators(
        "\x01\x02\x00\x00\x00\x00\x00\x05\x20\x00\x00\x00\x20\x02\x00\x00", 16);
    const std::string everyone("\x01\x01\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00", 12);
    std::string ace("\x00\x00\x14\x00\x3F\x00\x0F\x00", 8); // allowed, size 20, KEY_ALL_ACCESS
    ace += everyone;
    std::string acl("\x02\x00\x1C\x00\x01\x00\x00\x00", 8); // revision 2, size 28, one ACE
    acl += ace;
    std::string sd(20, '\0');
    sd[0] = 1;                   // revision
    Put16(sd, 2, 0x8004);        // self-relative, DACL present
    Put32(sd, 4, 20);            // owner
    Put32(sd, 8, 20 + 16);       // group
    Put32(sd, 16, 20 + 16 + 16); // DACL
    return sd + administrators + administrators + acl;
}

} // namespace

std::string EmptyHive(const std::string& rootName) {
    std::string hive(2 * kBlockSize, '\0');
    std::string bin = "hbin";
    std::memcpy(&hive[kBlockSize], bin.data(), 4);
    Put32(hive, kBlockSize + 8, kBlockSize); // the bin's size; its offset (4) is 0

    // The root key.
    const uint32_t root = kBinHeaderSize;
    const size_t nk = kBlockSize + root;
    const uint32_t rootSize = CellSize(0x50 + rootName.size());
    const uint32_t security = root + rootSize;
    Put32(hive, nk, static_cast<uint32_t>(-static_cast<int32_t>(rootSize)));
    hive[nk + 4] = 'n';
    hive[nk + 5] = 'k';
    Put16(hive, nk + 6, 0x2C);       // root of the hive, not deletable, ASCII name
    Put32(hive, nk + 0x14, 0);       // parent
    Put32(hive, nk + 0x20, kNoCell); // subkey list
    Put32(hive, nk + 0x24, kNoCell); // volatile subkey list
    Put32(hive, nk + 0x2C, kNoCell); // value list
    Put32(hive, nk + 0x30, security);
    Put32(hive, nk + 0x34, kNoCell); // class name
    Put16(hive, nk + 0x4C, static_cast<uint16_t>(rootName.size()));
    std::memcpy(&hive[nk + 0x50], rootName.data(), rootName.size());

    // Its security descriptor, in a list of one that links to itself.
    const std::string descriptor = SecurityDescriptor();
    const size_t sk = kBlockSize + security;
    const uint32_t securitySize = CellSize(0x18 + descriptor.size());
    Put32(hive, sk, static_cast<uint32_t>(-static_cast<int32_t>(securitySize)));
    hive[sk + 4] = 's';
    hive[sk + 5] = 'k';
    Put32(hive, sk + 8, security);
    Put32(hive, sk + 12, security);
    Put32(hive, sk + 16, 1); // one key refers to it
    Put32(hive, sk + 20, static_cast<uint32_t>(descriptor.size()));
    std::memcpy(&hive[sk + 24], descriptor.data(), descriptor.size());

    // The rest of the bin is one free cell.
    const uint32_t free = security + securitySize;
    Put32(hive, kBlockSize + free, static_cast<uint32_t>(kBlockSize - free));

    // The base block: both sequence numbers 1, version 1.3, a primary file of format 1 whose
    // bins hold one block, then the checksum of its first 508 bytes.
    std::memcpy(&hive[0], "regf", 4);
    Put32(hive, 4, 1);
    Put32(hive, 8, 1);
    Put32(hive, 0x14, 1);
    Put32(hive, 0x18, 3);
    Put32(hive, 0x20, 1);
    Put32(hive, 0x24, root);
    Put32(hive, 0x28, kBlockSize);
    Put32(hive, 0x2C, 1);
    uint32_t checksum = 0;
    for (size_t at = 0; at < 0x1FC; at += 4)
        checksum ^= LoadUint32(reinterpret_cast<const uint8_t*>(&hive[at]));
    Put32(hive, 0x1FC, checksum);
    return hive;
}

} // namespace platform
