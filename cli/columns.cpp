#include "cli/columns.h"

#include "cli/text_pieces.h"

#include <algorithm>

namespace kelvcfg {

namespace {

size_t Width(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
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
    TextPieces pieces(out);
    std::string& text = pieces.text();
    size_t begin = 0, textBegin = 0;
    for (size_t end : rowEnds_) {
        const size_t start = text.size();
        text += indent;
        for (size_t cell = begin; cell < end; ++cell) {
            text.append(text_, textBegin, cells_[cell].end - textBegin);
            textBegin = cells_[cell].end;
            if (cell + 1 < end)
                text.append(widths_[cell - begin] - cells_[cell].width + 2, ' ');
        }
        text.erase(std::max(start, text.find_last_not_of(' ') + 1));
        text += '\n';
        pieces.Piece();
        begin = end;
    }
    pieces.Flush();
}

} // namespace kelvcfg
