#include <cstdlib>

#include "rally/RallyEngine.h"

namespace vork::rally {

// Walls set the sign of the step from their side rather than flipping it, and
// drop the overshoot: the puck is put back on the limit itself. A puck exactly
// on a limit keeps its step for one more frame.
void RallyEngine::MovePuck(int k) {
    int& x = state_.PuckX[k];
    int& y = state_.PuckY[k];
    int& dx = state_.PuckDX[k];
    std::int16_t& dy = state_.PuckDY[k];

    x += dx;
    y += dy;
    if (x < 0) {
        dx = std::abs(dx);
        x = 0;
    }
    if (x > Table::PuckMaxX) {
        dx = -std::abs(dx);
        x = Table::PuckMaxX;
    }
    if (y < 0) {
        dy = static_cast<std::int16_t>(std::abs(dy));
        y = 0;
    }
    if (y > Table::PuckMaxY) {
        dy = static_cast<std::int16_t>(-std::abs(dy));
        y = Table::PuckMaxY;
    }
}

}  // namespace vork::rally
