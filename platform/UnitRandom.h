#pragma once

#include <algorithm>
#include <cmath>
#include <random>

namespace vork::platform {

// A uniform number on [0, 1). generate_canonical may round up to exactly 1
// (a known library defect); clamping keeps the half-open promise callers
// build on, e.g. floor(5 * r + 1) never reaching 6.
template <typename Engine>
double UnitRandom(Engine& engine) {
    const double value = std::generate_canonical<double, 53>(engine);
    return std::min(value, std::nextafter(1.0, 0.0));
}

}  // namespace vork::platform
