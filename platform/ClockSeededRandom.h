#pragma once

#include <chrono>
#include <cstdint>
#include <random>

#include "platform/UnitRandom.h"

namespace vork::platform {

// The game's random numbers: uniform on [0, 1), seeded from the clock.
class ClockSeededRandom {
public:
    ClockSeededRandom() { Reseed(); }

    double Next() { return UnitRandom(engine_); }
    void Reseed() { engine_.seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())); }

private:
    std::mt19937_64 engine_;
};

}  // namespace vork::platform
