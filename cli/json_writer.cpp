#include "cli/json_writer.h"

#include <nlohmann/json.hpp>

#include <algorithm>

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

// Most texts need no escape and are copied between quotes; any other is given to nlohmann's
// serializer, which escapes as its dump does.
void JsonWriter::Escaped(std::string_view text) {
    if (std::none_of(text.begin(), text.end(), NeedsEscape)) {
        text_ += '"';
        text_ += text;
        text_ += '"';
        return;
    }
    text_ += nlohmann::json(std::string(text))
                 .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace kelvcfg
