// The texts of the library's string table, by id.
#pragma once

#include <cstdint>

namespace kelvd {

enum StringId : uint32_t {
#define KELVD_STRING(name, id, text) name = id,
#include "res/strings.def"
#undef KELVD_STRING
};

// The text of a string-table entry; the empty text for an id the table does not hold.
const char* TableString(uint32_t id);

} // namespace kelvd
