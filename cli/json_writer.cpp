#include "cli/json_writer.h"

#include <cstdio>

namespace kelvcfg {

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
    empty_.push_back(true);
}

void JsonWriter::End(char bracket) {
    const bool empty = empty_.back();
    empty_.pop_back();
    if (!empty) {
        text_ += '\n';
        text_.append(2 * empty_.size(), ' ');
    }
    text_ += bracket;
    if (empty_.empty())
        out_.Flush();
}

// A member's value follows its name on the line; an element of an array has a line of its own.
void JsonWriter::BeforeValue() {
    if (afterKey_)
        afterKey_ = false;
    else if (!empty_.empty())
        NextLine();
}

void JsonWriter::NextLine() {
    out_.Piece();
    text_ += empty_.back() ? "\n" : ",\n";
    empty_.back() = false;
    text_.append(2 * empty_.size(), ' ');
}

void JsonWriter::Escaped(std::string_view text) {
    text_ += '"';
    for (char c : text) {
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
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                text_ += escape;
            } else {
                text_ += c;
            }
        }
    }
    text_ += '"';
}

} // namespace kelvcfg
