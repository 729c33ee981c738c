#include "cli/columns.h"

#include <algorithm>

namespace kelvcfg {

namespace {

size_t Width(const std::string& text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

} // namespace

Columns::Columns(std::vector<std::string> headings) {
    if (!headings.empty())
        rows_.push_back(std::move(headings));
}

void Columns::Add(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

void Columns::Print(std::ostream& out, const std::string& indent) const {
    std::vector<size_t> widths;
    for (const std::vector<std::string>& row : rows_) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], Width(row[column]));
    }
    std::string line;
    for (const std::vector<std::string>& row : rows_) {
        line = indent;
        for (size_t column = 0; column < row.size(); ++column) {
            line += row[column];
            if (column + 1 < row.size())
                line.append(widths[column] - Width(row[column]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

} // namespace kelvcfg
