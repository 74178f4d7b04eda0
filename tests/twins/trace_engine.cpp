// Plays a whole one-puck match and the start of a two-puck one on the
// in-memory platform, the mouse chasing the puck, and prints the match state
// and a checksum of the picture at every pump. Built natively and for each
// other target: all must print the same, frame for frame.
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "PictureChecksum.h"
#include "support/GameHarness.h"

namespace {

using namespace vork;

// The script's own dice: the standard distributions differ between C++
// libraries, and both builds must move the mouse alike.
class Dice {
public:
    int Below(int bound) {
        state_ = state_ * 6364136223846793005u + 1442695040888963407u;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(bound));
    }

private:
    std::uint64_t state_ = 20261207;
};

std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void Print(const testing::GameHarness& game, int rallyNear) {
    const rally::MatchState& s = game.Form.State;
    std::printf("t%" PRIu32 " n%d w%d p%d", game.Platform.Now, s.PuckCount, s.WaitingForClick, rallyNear);
    for (int k = 0; k < 2; ++k) {
        std::printf(" [%d %d %d %d]", static_cast<int>(s.PuckX[k]), static_cast<int>(s.PuckY[k]),
                    static_cast<int>(s.PuckDX[k]), static_cast<int>(s.PuckDY[k]));
    }
    std::printf(" m%08" PRIx32 ",%d c%d,%d d%d,%d s%d,%d %d-%d %016" PRIx64 " %s\n", Bits(s.MalletX[0]),
                static_cast<int>(s.MalletY[0]), static_cast<int>(s.MalletX[1]), static_cast<int>(s.MalletY[1]),
                static_cast<int>(s.CpuDX), static_cast<int>(s.CpuDY), static_cast<int>(s.StrikeSpeedX),
                static_cast<int>(s.StrikeSpeedY), static_cast<int>(s.PlayerScore), static_cast<int>(s.CpuScore),
                testing::PictureChecksum(game.Platform.Picture()), game.Platform.Caption.c_str());
}

}  // namespace

int main() {
    testing::GameHarness game;
    Dice dice;
    std::uint32_t nextMove = 0;
    std::uint32_t nextClick = 0;
    bool ending = false;
    game.OnPump = [&] {
        const rally::MatchState& s = game.Form.State;
        platform::MemoryPlatform& platform = game.Platform;
        Print(game, game.Form.Rally.CpuNearCounter);
        const std::uint32_t soon = platform.Now + 3 + static_cast<std::uint32_t>(dice.Below(9));
        // A click always waits ahead: one that comes during a rally does
        // nothing, the first after a goal starts the next rally. After the
        // first, each holds Shift, so the match after game over has two
        // pucks; three goals into that, a right click ends the program.
        if (static_cast<std::int32_t>(platform.Now - nextClick) >= 0 && !ending) {
            const bool first = s.PuckCount == 0 && s.PlayerScore == 0 && s.CpuScore == 0;
            ending = s.PuckCount == 2 && s.PlayerScore + s.CpuScore >= 3;
            nextClick = s.WaitingForClick == 1 ? soon : platform.Now + 700;
            platform.ScheduleButton(nextClick, ending ? platform::Button::Right : platform::Button::Left,
                                    first ? 0 : platform::Modifier::Shift);
        }
        // The mouse goes after the puck, now closely, now wildly, where the
        // hold lets it.
        if (s.WaitingForClick == 0 && static_cast<std::int32_t>(platform.Now - nextMove) >= 0) {
            const int puck = dice.Below(s.PuckCount);
            const platform::ClientRect area = platform.Confinement.value_or(platform::ClientRect{0, 0, 240, 335});
            const int x = std::clamp(static_cast<int>(s.PuckX[puck]) - 30 + dice.Below(61), area.Left, area.Right - 1);
            const int y = std::clamp(static_cast<int>(s.PuckY[puck]) - 10 + dice.Below(41), area.Top, area.Bottom - 1);
            nextMove = soon;
            platform.ScheduleMove(nextMove, static_cast<float>(x) + 0.25f * static_cast<float>(dice.Below(4)),
                                  static_cast<float>(y));
        }
    };
    return game.RunScript();
}
