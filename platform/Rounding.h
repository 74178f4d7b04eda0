#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vork::platform {

// Pixel coordinates and 16-bit fields take numbers rounded to nearest, ties to
// even (100.5 -> 100, 101.5 -> 102), which is what lrint does in the default
// floating-point environment.
inline int RoundToPixel(double value) { return static_cast<int>(std::lrint(value)); }

// Rounds like RoundToPixel but saturates instead of overflowing, so a pointer
// reported far outside the screen cannot corrupt the 16-bit field it lands in.
inline std::int16_t RoundToInt16Saturating(double value) {
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= low) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (value >= high) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(std::lrint(value));
}

}  // namespace vork::platform
