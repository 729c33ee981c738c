#include "cli/columns.h"

#include "cli/aligned_rows.h"

#include <algorithm>

namespace kelvcfg {

Columns::Columns(std::initializer_list<std::string_view> headings) {
    if (headings.size() != 0)
        Add(headings);
}

void Columns::Add(std::initializer_list<std::string_view> cells) {
    widths_.resize(std::max(widths_.size(), cells.size()));
    size_t column = 0;
    for (std::string_view text : cells) {
        text_ += text;
        cells_.push_back({text_.size(), TextWidth(text)});
        widths_[column] = std::max(widths_[column], cells_.back().width);
        ++column;
    }
    rowEnds_.push_back(cells_.size());
}

void Columns::Print(std::ostream& out, const std::string& indent) const {
    AlignedRows rows(out, indent, widths_);
    std::vector<AlignedRows::Cell> row;
    size_t begin = 0, textBegin = 0;
    for (size_t end : rowEnds_) {
        row.clear();
        for (size_t cell = begin; cell < end; ++cell) {
            row.push_back({std::string_view(text_).substr(textBegin, cells_[cell].end - textBegin),
                           cells_[cell].width});
            textBegin = cells_[cell].end;
        }
        rows.Print(row.data(), row.size());
        begin = end;
    }
}

} // namespace kelvcfg
