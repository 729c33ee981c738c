// A point in screen or client coordinates, in pixels.
#pragma once

#include <cstdint>

namespace platform {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

} // namespace platform
