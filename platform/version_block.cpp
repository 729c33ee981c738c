#include "platform/version_block.h"

#include "platform/code_page.h"
#include "platform/image_version_resource.h"

#include <string>
#include <utility>

namespace platform {

namespace {

constexpr uint16_t kTextValue = 1;
// A tree's length is 16 bits: what a resource holds beyond is padding nobody reads.
constexpr size_t kMaxTreeSize = 0xFFFF;
// The fifth byte of a 16-bit tree is a key's first character, of a 32-bit one a type's low byte.
constexpr uint8_t kFirstKeyCharacter = 0x20;

size_t Align4(size_t offset) {
    return (offset + 3) & ~size_t{3};
}

// One node of a version resource: a length, a key, a value, then children up to its end. The
// key and a text value hold characters of the tree's form: UTF-16 units, or ANSI bytes.
struct Node {
    std::u16string key;
    size_t end = 0;
    size_t value = 0;
    size_t valueUnits = 0; // of text
    size_t children = 0;
};

// The form of a tree: the size of its characters, and whether its nodes have a type.
struct Form {
    bool wide;
    size_t headerSize() const { return wide ? 6 : 4; }
    size_t unitSize() const { return wide ? 2 : 1; }
    std::optional<uint16_t> Unit(const Bytes& block, size_t at) const {
        if (wide)
            return block.U16(at);
        std::optional<uint8_t> byte = block.U8(at);
        return byte ? std::optional<uint16_t>(*byte) : std::nullopt;
    }
};

// The node at offset, when it is whole within limit (its parent's end): a length covering its
// header and its key's terminator, in the 32-bit form a type of text (1) or binary (0), the key
// ended and the value held within the node. Whatever reads the node, by this reader or by the
// system's, stays inside it. A 16-bit node's value length counts bytes; a 32-bit text value's
// counts characters.
std::optional<Node> ReadNode(const Bytes& block, Form form, size_t offset, size_t limit) {
    std::optional<uint16_t> length = block.U16(offset), valueLength = block.U16(offset + 2);
    std::optional<uint16_t> type = form.wide ? block.U16(offset + 4) : uint16_t{0};
    if (!length || !valueLength || !type || *type > kTextValue || offset + *length > limit)
        return std::nullopt;
    Node node;
    node.end = offset + *length;
    size_t at = offset + form.headerSize();
    for (;; at += form.unitSize()) {
        if (at + form.unitSize() > node.end)
            return std::nullopt;
        const uint16_t unit = *form.Unit(block, at);
        if (unit == 0)
            break;
        node.key += static_cast<char16_t>(unit);
    }
    node.value = Align4(at + form.unitSize());
    const bool text = *type == kTextValue;
    const size_t valueBytes = text ? size_t{*valueLength} * 2 : *valueLength;
    if (valueBytes != 0 && node.value + valueBytes > node.end)
        return std::nullopt;
    node.valueUnits = *valueLength / (text ? 1 : form.unitSize());
    node.children = Align4(node.value + valueBytes);
    return node;
}

// The tree's form, told by its fifth byte, and its root node within the first size bytes.
std::optional<std::pair<Form, Node>> ReadRoot(const Bytes& block, size_t size) {
    std::optional<uint8_t> fifth = block.U8(4);
    const Form form{fifth && *fifth < kFirstKeyCharacter};
    std::optional<Node> root = fifth ? ReadNode(block, form, 0, size) : std::nullopt;
    return root ? std::optional<std::pair<Form, Node>>({form, *root}) : std::nullopt;
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

std::optional<Node> FindChild(const Bytes& block, Form form, const Node& parent,
                              const std::string& name) {
    for (size_t child = parent.children; child < parent.end;) {
        std::optional<Node> node = ReadNode(block, form, child, parent.end);
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
    std::optional<std::pair<Form, Node>> root = ReadRoot(block, size);
    if (!root)
        return false;
    const auto& [form, node] = *root;
    // The nodes being walked: where each one's next child begins, and where the node ends.
    std::vector<std::pair<size_t, size_t>> open{{node.children, node.end}};
    while (!open.empty()) {
        const auto [next, end] = open.back();
        if (next >= end) {
            open.pop_back();
            continue;
        }
        std::optional<Node> child = ReadNode(block, form, next, end);
        if (!child)
            return false;
        open.back().first = Align4(child->end);
        open.emplace_back(child->children, child->end);
    }
    return true;
}

bool TakeVersionTree(const Bytes& bytes, std::vector<uint8_t>* resource) {
    std::vector<uint8_t> copy;
    if (!bytes.Whole() || !bytes.From(0, kMaxTreeSize).Copy(&copy))
        return false;
    MemorySource taken(copy.data(), copy.size());
    if (!IsSoundVersionTree(Bytes(taken, 0, copy.size()), copy.size()))
        return false;
    resource->swap(copy);
    return true;
}

bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::string* value) {
    value->clear();
    MemorySource source(resource, size);
    const Bytes block(source, 0, size);
    std::optional<std::pair<Form, Node>> root = ReadRoot(block, size);
    if (!root)
        return false;
    const Form form = root->first;
    std::optional<Node> node = root->second;
    std::string name;
    for (const char* p = subBlock;; ++p) {
        if (*p && *p != '\\') {
            name += *p;
            continue;
        }
        if (!name.empty() && node)
            node = FindChild(block, form, *node, name);
        name.clear();
        if (!*p)
            break;
    }
    if (!node)
        return false;
    std::u16string text;
    for (size_t i = 0; i < node->valueUnits; ++i) {
        const uint16_t unit = *form.Unit(block, node->value + form.unitSize() * i);
        if (unit == 0)
            break;
        text += static_cast<char16_t>(unit);
    }
    *value = form.wide ? AnsiFromUtf16(text) : std::string(text.begin(), text.end());
    return true;
}

} // namespace platform
