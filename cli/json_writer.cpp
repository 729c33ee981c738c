#include "cli/json_writer.h"

#include <nlohmann/json.hpp>

namespace kelvcfg {

namespace {

// Whether the text holds a character a JSON string cannot hold as it is.
bool NeedsEscape(std::string_view text) {
    for (char c : text)
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20)
            return true;
    return false;
}

} // namespace

void JsonWriter::Key(std::string_view name) {
    NextLine();
    Escaped(name);
    out_.Append(": ");
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    Escaped(text);
}

void JsonWriter::Begin(char bracket) {
    BeforeValue();
    out_.Append(bracket);
    ++depth_;
    empty_ = true;
}

// The object or array that ends is a member or element of the one around it, which so has one.
void JsonWriter::End(char bracket) {
    --depth_;
    if (!empty_)
        LineStart();
    empty_ = false;
    out_.Append(bracket);
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
        out_.Append(',');
    empty_ = false;
    LineStart();
}

void JsonWriter::LineStart() {
    out_.Append('\n');
    out_.Append(2 * depth_, ' ');
}

// Most texts need no escape and are copied between quotes; any other is given to nlohmann's
// serializer, which escapes as its dump does.
void JsonWriter::Escaped(std::string_view text) {
    if (!NeedsEscape(text)) {
        out_.Append('"');
        out_.Append(text);
        out_.Append('"');
        return;
    }
    out_.Append(nlohmann::json(std::string(text))
                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

} // namespace kelvcfg
