#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "rally/RallyEngine.h"

namespace vork::rally {
namespace {

constexpr int NearRows = 24;            // a puck closer than this vertically is "level"
constexpr int CourseKeepingSteps = 30;  // then one chase step

// Quadrant of a puck seen from the CPU mallet (y grows downwards); 0 when it
// is level with the mallet on either axis.
std::int16_t QuadrantOf(int dx, int dy) {
    if (dx == 0 || dy == 0) return 0;
    if (dy < 0) return dx < 0 ? 1 : 2;
    return dx < 0 ? 3 : 4;
}

// The 16-bit addition of the CPU's y step; clamping keeps it far from the
// limits, but an overflow must not pass silently.
std::int16_t AddInt16(std::int16_t a, std::int16_t b) {
    const int sum = a + b;
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("CPU mallet y overflowed 16 bits");
    }
    return static_cast<std::int16_t>(sum);
}

}  // namespace

void RallyEngine::CHAN(const std::int16_t& XY) {
    if (XY < 0 || XY > 1) {
        throw std::out_of_range("puck index out of range");
    }
    switch (state_.PuckQuadrant[XY]) {
        case 1: state_.CpuDX = -1; state_.CpuDY = -1; break;
        case 2: state_.CpuDX = 1; state_.CpuDY = -1; break;
        case 3: state_.CpuDX = -1; state_.CpuDY = 1; break;
        case 4: state_.CpuDX = 1; state_.CpuDY = 1; break;
        default: break;
    }
}

// Chases the nearer puck diagonally; while the puck of the survey's last look
// stays level with the mallet it keeps course down the table instead, with a
// chase step every 31st time.
void RallyEngine::SteerCpuMallet() {
    const int malletX = static_cast<int>(state_.MalletX[Cpu]);
    const int malletY = state_.MalletY[Cpu];
    const int surveyed = state_.PuckCount == 1 ? 1 : 2;
    for (int j = 0; j < surveyed; ++j) {
        const int dx = state_.PuckX[j] - malletX;
        const int dy = state_.PuckY[j] - malletY;
        if (dx != 0 && dy != 0) {
            state_.PuckDistance[j] =
                static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
            state_.PuckQuadrant[j] = QuadrantOf(dx, dy);
        }
        CpuNearCounter = std::abs(dy) < NearRows ? CpuNearCounter + 1 : 0;
        if (CpuNearCounter > CourseKeepingSteps) {
            CpuNearCounter = 0;
        }
    }

    if (CpuNearCounter == 0) {
        const std::int16_t target =
            state_.PuckCount == 1 || state_.PuckDistance[0] < state_.PuckDistance[1] ? 0 : 1;
        CHAN(target);
    } else if (state_.CpuDY == -1) {
        state_.CpuDX = -state_.CpuDX;
        state_.CpuDY = 1;
    }

    float& x = state_.MalletX[Cpu];
    std::int16_t& y = state_.MalletY[Cpu];
    x += static_cast<float>(state_.CpuDX);
    y = AddInt16(y, state_.CpuDY);
    if (x < 0) x = 0;
    if (x > Table::CpuMaxX) x = Table::CpuMaxX;
    if (y < 0) y = 0;
    if (y > Table::CpuMaxY) y = Table::CpuMaxY;
}

}  // namespace vork::rally
