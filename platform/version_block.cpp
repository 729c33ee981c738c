#include "platform/version_block.h"

#include "platform/pe_version_resource.h"

#include <string>
#include <utility>

namespace platform {

namespace {

constexpr size_t kNodeHeaderSize = 6; // wLength, wValueLength, wType
constexpr uint16_t kTextValue = 1;

size_t Align4(size_t offset) {
    return (offset + 3) & ~size_t{3};
}

// One node of a version resource: a length, a key, a value, then children up to its end.
struct Node {
    std::u16string key;
    size_t end = 0;
    size_t value = 0;
    size_t valueUnits = 0; // of text
    size_t children = 0;
};

// The node at offset, when it is whole within limit (its parent's end): a length covering its
// header and its key's terminator, a type of text (1) or binary (0), the key ended and the value
// held within the node. Whatever reads the node, by this reader or by the system's, stays
// inside it.
std::optional<Node> ReadNode(const Bytes& block, size_t offset, size_t limit) {
    std::optional<uint16_t> length = block.U16(offset), valueLength = block.U16(offset + 2),
                            type = block.U16(offset + 4);
    if (!length || !valueLength || !type || *type > kTextValue || offset + *length > limit)
        return std::nullopt;
    Node node;
    node.end = offset + *length;
    size_t at = offset + kNodeHeaderSize;
    for (;; at += 2) {
        if (at + 2 > node.end)
            return std::nullopt;
        const uint16_t unit = *block.U16(at);
        if (unit == 0)
            break;
        node.key += static_cast<char16_t>(unit);
    }
    node.value = Align4(at + 2);
    const size_t valueBytes = *type == kTextValue ? size_t{*valueLength} * 2 : *valueLength;
    if (valueBytes != 0 && node.value + valueBytes > node.end)
        return std::nullopt;
    node.valueUnits = *type == kTextValue ? *valueLength : *valueLength / 2;
    node.children = Align4(node.value + valueBytes);
    return node;
}

char16_t FoldAscii(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

bool KeyEquals(const std::u16string& key, const std::string& name) {
    return key.size() == name.size() &&
           std::equal(key.begin(), key.end(), name.begin(), [](char16_t unit, char c) {
               return FoldAscii(unit) == FoldAscii(static_cast<unsigned char>(c));
           });
}

std::optional<Node> FindChild(const Bytes& block, const Node& parent, const std::string& name) {
    for (size_t child = parent.children; child < parent.end;) {
        std::optional<Node> node = ReadNode(block, child, parent.end);
        if (!node)
            return std::nullopt;
        if (KeyEquals(node->key, name))
            return node;
        child = Align4(node->end);
    }
    return std::nullopt;
}

} // namespace

// Each node takes at least 8 bytes, so every step moves on.
bool IsSoundVersionTree(const Bytes& block, size_t size) {
    std::optional<Node> root = ReadNode(block, 0, size);
    if (!root)
        return false;
    // The nodes being walked: where each one's next child begins, and where the node ends.
    std::vector<std::pair<size_t, size_t>> open{{root->children, root->end}};
    while (!open.empty()) {
        const auto [next, end] = open.back();
        if (next >= end) {
            open.pop_back();
            continue;
        }
        std::optional<Node> child = ReadNode(block, next, end);
        if (!child)
            return false;
        open.back().first = Align4(child->end);
        open.emplace_back(child->children, child->end);
    }
    return true;
}

bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::u16string* value) {
    value->clear();
    MemorySource source(resource, size);
    const Bytes block(source, 0, size);
    std::optional<Node> node = ReadNode(block, 0, size);
    std::string name;
    for (const char* p = subBlock;; ++p) {
        if (*p && *p != '\\') {
            name += *p;
            continue;
        }
        if (!name.empty() && node)
            node = FindChild(block, *node, name);
        name.clear();
        if (!*p)
            break;
    }
    if (!node)
        return false;
    for (size_t i = 0; i < node->valueUnits; ++i) {
        const uint16_t unit = *block.U16(node->value + 2 * i);
        if (unit == 0)
            break;
        *value += static_cast<char16_t>(unit);
    }
    return true;
}

} // namespace platform
