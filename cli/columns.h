// Text in aligned columns: every column but the last padded to its widest cell.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvcfg {

class Columns {
public:
    // A first row of headings, when given.
    explicit Columns(std::vector<std::string> headings = {});
    void Add(std::vector<std::string> cells);
    // Each row on a line of its own after indent, the columns two spaces apart; widths count
    // characters of UTF-8 text.
    void Print(std::ostream& out, const std::string& indent) const;

private:
    std::vector<std::vector<std::string>> rows_;
};

} // namespace kelvcfg
