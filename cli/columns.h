// Text in aligned columns, gathered first: every column but the last padded to its widest cell.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvcfg {

class Columns {
public:
    // A first row of headings, when given.
    explicit Columns(std::initializer_list<std::string_view> headings = {});
    // A row of cells, copied.
    void Add(std::initializer_list<std::string_view> cells);
    // Each row on a line of its own after indent, the columns two spaces apart and no space at
    // the end; widths count characters of UTF-8 text.
    void Print(std::ostream& out, const std::string& indent) const;

private:
    struct Cell {
        size_t end; // of its text in text_
        size_t width;
    };
    std::string text_;            // the cells' texts, one after another
    std::vector<Cell> cells_;     // row after row
    std::vector<size_t> rowEnds_; // where each row's cells end in cells_
    std::vector<size_t> widths_;  // each column's widest cell
};

} // namespace kelvcfg
