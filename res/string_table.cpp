#include "res/string_table.h"

namespace kelvd {

namespace {

struct Entry {
    uint32_t id;
    const char* text;
};

constexpr Entry kEntries[] = {
#define KELVD_STRING(name, id, text) {name, text},
#include "res/strings.def"
#undef KELVD_STRING
};

} // namespace

const char* TableString(uint32_t id) {
    for (const Entry& entry : kEntries)
        if (entry.id == id)
            return entry.text;
    return "";
}

} // namespace kelvd
