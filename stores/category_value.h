// How one API category's event flags are stored: its event count as 4 bytes little-endian, then
// one flag byte per event in catalogue order (1 hooked, 0 not).
#pragma once

#include "model/api_category.h"

#include <string>

namespace kelvd {

// The value's bytes; every event is encoded, however many the category has (the value is not
// bounded by a buffer of 1024 bytes, so a category of more than 1020 events is stored whole).
std::string EncodeCategoryValue(const ApiCategory& category);

} // namespace kelvd
