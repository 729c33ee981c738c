#include "cli/json_writer.h"

#include <cstdio>

namespace kelvcfg {

namespace {

// The characters a JSON string cannot hold as they are.
bool NeedsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

} // namespace

void JsonWriter::Key(std::string_view name) {
    NextLine();
    Escaped(name);
    text_ += ": ";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    Escaped(text);
}

void JsonWriter::Begin(char bracket) {
    BeforeValue();
    text_ += bracket;
    ++depth_;
    empty_ = true;
}

// The object or array that ends is a member or element of the one around it, which so has one.
void JsonWriter::End(char bracket) {
    --depth_;
    if (!empty_)
        LineStart();
    empty_ = false;
    text_ += bracket;
    if (depth_ == 0)
        out_.Flush();
}

// A member's value follows its name on the line; an element of an array has a line of its own.
void JsonWriter::BeforeValue() {
    if (afterKey_)
        afterKey_ = false;
    else if (depth_ > 0)
        NextLine();
}

void JsonWriter::NextLine() {
    out_.Piece();
    if (!empty_)
        text_ += ',';
    empty_ = false;
    LineStart();
}

void JsonWriter::LineStart() {
    text_ += '\n';
    text_.append(2 * depth_, ' ');
}

void JsonWriter::Escaped(std::string_view text) {
    text_ += '"';
    for (size_t start = 0; start <= text.size();) {
        size_t end = start;
        while (end < text.size() && !NeedsEscape(text[end]))
            ++end;
        text_.append(text.data() + start, end - start);
        if (end < text.size())
            Escape(text[end]);
        start = end + 1;
    }
    text_ += '"';
}

void JsonWriter::Escape(char c) {
    switch (c) {
    case '"':
        text_ += "\\\"";
        break;
    case '\\':
        text_ += "\\\\";
        break;
    case '\b':
        text_ += "\\b";
        break;
    case '\f':
        text_ += "\\f";
        break;
    case '\n':
        text_ += "\\n";
        break;
    case '\r':
        text_ += "\\r";
        break;
    case '\t':
        text_ += "\\t";
        break;
    default:
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        text_ += escape;
    }
}

} // namespace kelvcfg
