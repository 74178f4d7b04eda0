#include <cmath>
#include <cstdlib>

#include "rally/RallyEngine.h"

namespace vork::rally {
namespace {

// A whole number from 1 to 5, each about equally likely.
int RandomStrikeSpeed(platform::Platform& platform) { return static_cast<int>(std::floor(5 * platform.Random() + 1)); }

}  // namespace

// A new contact sends the puck diagonally away from the mallet at the shared
// strike speeds; the latch keeps a lasting overlap from striking every frame.
// The player's mallet is tested first, so the CPU's strike wins a tie.
void RallyEngine::StrikePuck(int k) {
    for (int j : {Player, Cpu}) {
        const double dx = static_cast<double>(state_.MalletX[j]) - state_.PuckX[k];
        const int dy = state_.MalletY[j] - state_.PuckY[k];
        const bool touching = std::fabs(dx) < Table::SpriteSize && std::abs(dy) < Table::SpriteSize;
        if (!touching) {
            state_.MalletContact[j] = 0;
            continue;
        }
        if (state_.MalletContact[j] == 1) {
            continue;
        }
        if (j == Cpu) {
            state_.StrikeSpeedX = RandomStrikeSpeed(platform_);
            state_.StrikeSpeedY = static_cast<std::int16_t>(RandomStrikeSpeed(platform_));
        }
        if (dx != 0 && dy != 0) {
            state_.PuckDX[k] = dx > 0 ? -state_.StrikeSpeedX : state_.StrikeSpeedX;
            state_.PuckDY[k] = static_cast<std::int16_t>(dy > 0 ? -state_.StrikeSpeedY : state_.StrikeSpeedY);
        }
        state_.MalletContact[j] = 1;
    }
}

}  // namespace vork::rally
