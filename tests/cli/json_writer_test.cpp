// kelvcfg's JSON writer lays its text out as nlohmann's dump(2) does, which show --json's output
// always was.
#include "cli/json_writer.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

using Json = nlohmann::ordered_json;

TEST(KelvcfgJsonWriter, WritesWhatDumpWithAnIndentOfTwoWrites) {
    const std::string awkward = std::string("\"quoted\" back\\slash /\b\f\n\r\t\x01\x1f\x7f") +
                                std::string(1, '\0') + "caf\xC3\xA9 \xE2\x82\xAC";
    std::ostringstream text;
    kelvcfg::JsonWriter json(text);
    json.BeginObject();
    json.String("text", awkward);
    json.Number("negative", int32_t{-2147483647 - 1});
    json.Number("byte", uint8_t{255});
    json.Number("large", uint32_t{4294967295});
    json.Key("empty array");
    json.BeginArray();
    json.EndArray();
    json.Key("empty object");
    json.BeginObject();
    json.EndObject();
    json.Key(awkward);
    json.BeginArray();
    json.BeginObject();
    json.String("name", "a");
    json.Key("nested");
    json.BeginArray();
    json.Number(1);
    json.String("two");
    json.EndArray();
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.EndArray();
    json.EndObject();

    const Json document = {{"text", awkward},
                           {"negative", int32_t{-2147483647 - 1}},
                           {"byte", uint8_t{255}},
                           {"large", uint32_t{4294967295}},
                           {"empty array", Json::array()},
                           {"empty object", Json::object()},
                           {awkward, {{{"name", "a"}, {"nested", {1, "two"}}}, Json::array()}}};
    EXPECT_EQ(document.dump(2), text.str());
}

// A document of many pieces comes whole, in its order.
TEST(KelvcfgJsonWriter, ALargeDocumentComesWhole) {
    std::ostringstream text;
    kelvcfg::JsonWriter json(text);
    Json document = Json::array();
    json.BeginArray();
    for (int i = 0; i < 5000; ++i) {
        json.BeginObject();
        json.String("name", "event " + std::to_string(i));
        json.Number("flag", i % 3);
        json.EndObject();
        document.push_back({{"name", "event " + std::to_string(i)}, {"flag", i % 3}});
    }
    json.EndArray();
    EXPECT_EQ(document.dump(2), text.str());
}

// A character to escape is found wherever it stands in a long text, and the characters around the
// ones to escape (a space, DEL, '!' and '#' beside '"', '[' and ']' beside '\\') are left alone.
TEST(KelvcfgJsonWriter, EscapesACharacterAtEveryPlaceOfALongText) {
    for (char c : {'"', '\\', '\0', '\x01', '\x1f', ' ', '\x7f', '!', '#', '[', ']'}) {
        for (size_t at = 0; at < 19; ++at) {
            std::string text(19, 'a');
            text[at] = c;
            std::ostringstream written;
            kelvcfg::JsonWriter json(written);
            json.BeginArray();
            json.String(text);
            json.EndArray();
            EXPECT_EQ(Json::array({text}).dump(2, ' ', false, Json::error_handler_t::replace),
                      written.str())
                << int(c) << " at " << at;
        }
    }
}

TEST(KelvcfgJsonWriter, AnEmptyDocumentIsTheEmptyObject) {
    std::ostringstream text;
    kelvcfg::JsonWriter json(text);
    json.BeginObject();
    json.EndObject();
    EXPECT_EQ("{}", text.str());
}

} // namespace
