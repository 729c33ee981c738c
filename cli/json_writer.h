// JSON text written as it is made, for output too large to build as a document first. It is laid
// out as nlohmann's dump(2) lays a document out: every member and element on a line of its own,
// two spaces deeper than its object or array; an empty object or array as {} or []; a member's
// name followed by ": "; in strings, '"', '\' and the control characters escaped, and the UTF-8
// of other characters as it is. The text goes to the stream in pieces of some kilobytes, the last
// when the outermost object or array ends.
#pragma once

#include "cli/text_pieces.h"

#include <charconv>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

namespace kelvcfg {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject() { Begin('{'); }
    void EndObject() { End('}'); }
    void BeginArray() { Begin('['); }
    void EndArray() { End(']'); }
    // The name of the object's next member, whose value comes next.
    void Key(std::string_view name);
    // Values: a string of UTF-8 text, an integer.
    void String(std::string_view text);
    template <typename Integer> void Number(Integer value) {
        BeforeValue();
        char digits[24]; // the longest 64-bit number and its sign
        out_.Append(
            std::string_view(digits, std::to_chars(digits, std::end(digits), value).ptr - digits));
    }

    // Members: the name and its value.
    void String(std::string_view name, std::string_view text) {
        Key(name);
        String(text);
    }
    template <typename Integer> void Number(std::string_view name, Integer value) {
        Key(name);
        Number(value);
    }

private:
    void Begin(char bracket);
    void End(char bracket);
    void BeforeValue();
    // A new line for the next member or element of the innermost object or array.
    void NextLine();
    // A line feed and the indent of the objects and arrays open.
    void LineStart();
    // The text as a JSON string, quoted and escaped.
    void Escaped(std::string_view text);

    TextPieces out_;
    size_t depth_ = 0;   // objects and arrays open
    bool empty_ = false; // whether the innermost has nothing yet
    bool afterKey_ = false;
};

} // namespace kelvcfg
