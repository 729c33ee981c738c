// The facts of the library's dialog templates that a headless front end needs: the radio groups
// of the general settings page, the memory tracking check box and the guard-byte choices of its
// combo box, and the extended-selection event lists.
#pragma once

#include "platform/substitute/headless/headless_template.h"

namespace kelvd {

platform::HeadlessTemplate HeadlessTemplateOf(uint32_t templateId);

} // namespace kelvd
