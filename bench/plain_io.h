// The plain file I/O the floors are made of, through the platform's files (the C runtime's
// stdio on Windows): a text file read line by line, as the library's line reader does, and lines
// written one write each.
#pragma once

#include <string>
#include <vector>

namespace kelvd::bench {

// Reads a text file line by line; the number of lines (0 when it does not open).
size_t ReadLines(const std::string& path);
// Writes the lines one write each, as the whole new file.
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
// The lines of a text file, each with its LF.
std::vector<std::string> FileLines(const std::string& path);
// The bytes of a file.
std::string FileBytes(const std::string& path);

} // namespace kelvd::bench
