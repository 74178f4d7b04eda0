#include <cstdlib>

#include "rally/RallyEngine.h"

namespace vork::rally {
namespace {

int WithSign(int magnitude, bool positive) { return positive ? std::abs(magnitude) : -std::abs(magnitude); }
std::int16_t WithSign(std::int16_t magnitude, bool positive) {
    return static_cast<std::int16_t>(WithSign(static_cast<int>(magnitude), positive));
}

}  // namespace

// Overlapping pucks are sent apart on both axes, each keeping its speeds: the
// one with the larger coordinate moves towards larger values. Pucks level on
// either axis are left alone.
void RallyEngine::CollidePucks() {
    if (state_.PuckCount != 2) {
        return;
    }
    const int dx = state_.PuckX[0] - state_.PuckX[1];
    const int dy = state_.PuckY[0] - state_.PuckY[1];
    if (std::abs(dx) >= Table::SpriteSize || std::abs(dy) >= Table::SpriteSize || dx == 0 || dy == 0) {
        return;
    }
    state_.PuckDX[0] = WithSign(state_.PuckDX[0], dx > 0);
    state_.PuckDY[0] = WithSign(state_.PuckDY[0], dy > 0);
    state_.PuckDX[1] = WithSign(state_.PuckDX[1], dx < 0);
    state_.PuckDY[1] = WithSign(state_.PuckDY[1], dy < 0);
}

}  // namespace vork::rally
