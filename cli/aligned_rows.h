// Rows of cells printed as they come, each on a line of its own after an indent: every column but
// the last padded to a width known beforehand, the columns two spaces apart, and no space at the
// end of a line. Widths count characters of UTF-8 text.
#pragma once

#include "cli/text_pieces.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvcfg {

// The characters of UTF-8 text.
size_t TextWidth(std::string_view text);

class AlignedRows {
public:
    // A cell's text and its width in characters.
    struct Cell {
        std::string_view text;
        size_t width;
    };

    // widths: each column's but the last; a row with more cells pads them to no width.
    AlignedRows(std::ostream& out, std::string indent, std::vector<size_t> widths);
    // Writes the rows not yet written.
    ~AlignedRows() { text_.Flush(); }
    AlignedRows(const AlignedRows&) = delete;
    AlignedRows& operator=(const AlignedRows&) = delete;

    // A row of count cells. A cell wider than its column is followed by the two spaces alone.
    void Print(const Cell* cells, size_t count);

private:
    TextPieces text_;
    std::string indent_;
    std::vector<size_t> widths_;
};

} // namespace kelvcfg
