#include "cli/columns.h"

#include "cli/text_pieces.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>

namespace kelvcfg {

namespace {

// The characters of UTF-8 text: its bytes but the continuation bytes (10xxxxxx), counted eight
// at a time. A byte's bit 6 moved up one place lands on its own bit 7, never on a neighbour's.
size_t Width(std::string_view text) {
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

} // namespace

Columns::Columns(std::initializer_list<std::string_view> headings) {
    if (headings.size() != 0)
        Add(headings);
}

void Columns::Add(std::initializer_list<std::string_view> cells) {
    widths_.resize(std::max(widths_.size(), cells.size()));
    size_t column = 0;
    for (std::string_view text : cells) {
        text_ += text;
        cells_.push_back({text_.size(), Width(text)});
        widths_[column] = std::max(widths_[column], cells_.back().width);
        ++column;
    }
    rowEnds_.push_back(cells_.size());
}

void Columns::Print(std::ostream& out, const std::string& indent) const {
    TextPieces text(out);
    size_t begin = 0, textBegin = 0;
    for (size_t end : rowEnds_) {
        const size_t start = text.size();
        text.Append(indent);
        for (size_t cell = begin; cell < end; ++cell) {
            text.Append(std::string_view(text_).substr(textBegin, cells_[cell].end - textBegin));
            textBegin = cells_[cell].end;
            if (cell + 1 < end)
                text.Append(widths_[cell - begin] - cells_[cell].width + 2, ' ');
        }
        text.TrimSpaces(start);
        text.Append('\n');
        text.Piece();
        begin = end;
    }
    text.Flush();
}

} // namespace kelvcfg
