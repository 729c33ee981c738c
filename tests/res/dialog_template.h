// Dialog templates and dialog initialisation data decoded from the bytes a resource compiler
// lays out, so that tests can compare every field with what the dialogs must be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvd::test {

struct DialogItem {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    int32_t id = 0;
    // A predefined class given by its atom is named ("Button", "Edit", "Static", "ListBox",
    // "ScrollBar", "ComboBox"); a resource given by number reads "#<number>".
    std::string windowClass;
    std::string text;
    uint16_t extraSize = 0;
};

struct DialogTemplate {
    uint32_t helpId = 0;
    uint32_t exStyle = 0;
    uint32_t style = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string windowClass;
    std::string caption;
    // Present when the style has DS_SETFONT.
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::string typeface;
    std::vector<DialogItem> items;
};

// An extended template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items, each item on a 4-byte
// boundary from the template's start). False when the bytes are not one, or end too early.
bool DecodeDialogTemplate(const uint8_t* data, size_t size, DialogTemplate* out);

// One record of a dialog's initialisation data: a message with its data for one control.
struct DialogInitRecord {
    uint16_t control = 0;
    uint16_t message = 0;
    std::string data;
};

// The records up to the terminating zero control id. False when a record or the terminator is
// missing or runs past the end, or when anything follows the terminator.
bool DecodeDialogInit(const uint8_t* data, size_t size, std::vector<DialogInitRecord>* out);

} // namespace kelvd::test
