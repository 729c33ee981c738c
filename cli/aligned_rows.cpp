#include "cli/aligned_rows.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>

namespace kelvcfg {

// Its bytes but the continuation bytes (10xxxxxx), counted eight at a time. A byte's bit 6 moved
// up one place lands on its own bit 7, never on a neighbour's.
size_t TextWidth(std::string_view text) {
    constexpr uint64_t kHighBits = 0x8080808080808080;
    size_t continuations = 0, at = 0;
    for (uint64_t word; at + 8 <= text.size(); at += 8) {
        std::memcpy(&word, text.data() + at, 8);
        continuations += std::bitset<64>(word & ~(word << 1) & kHighBits).count();
    }
    for (; at < text.size(); ++at)
        continuations += (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
    return text.size() - continuations;
}

AlignedRows::AlignedRows(std::ostream& out, std::string indent, std::vector<size_t> widths)
    : text_(out), indent_(std::move(indent)), widths_(std::move(widths)) {}

void AlignedRows::Print(const Cell* cells, size_t count) {
    const size_t start = text_.size();
    text_.Append(indent_);
    for (size_t column = 0; column < count; ++column) {
        text_.Append(cells[column].text);
        if (column + 1 < count) {
            const size_t width = column < widths_.size() ? widths_[column] : 0;
            text_.Append(width - std::min(width, cells[column].width) + 2, ' ');
        }
    }
    text_.TrimSpaces(start);
    text_.Append('\n');
    text_.Piece();
}

} // namespace kelvcfg
