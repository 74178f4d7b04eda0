#include <string>

#include "rally/RallyEngine.h"

namespace vork::rally {

// A puck scores when its whole body lies in the 96-pixel mouth centred on an
// end: at the top wall for the player, at or one short of the bottom wall for
// the CPU. The bounds come from the client size as it is now.
bool RallyEngine::CheckGoal(int k) {
    const float width = static_cast<float>(platform_.ScaleWidth());
    const float height = static_cast<float>(platform_.ScaleHeight());
    const float x = static_cast<float>(state_.PuckX[k]);
    const float y = static_cast<float>(state_.PuckY[k]);
    const bool inMouth = x >= width / 2 - 48 && x <= width / 2 + 24;
    if (inMouth && y <= 0) {
        ++state_.PlayerScore;
    } else if (inMouth && y >= height - 25) {
        ++state_.CpuScore;
    } else {
        return false;
    }

    state_.WaitingForClick = 1;
    ShowScore();
    const bool matchGoesOn = state_.PlayerScore < Table::WinningScore && state_.CpuScore < Table::WinningScore;
    if (!matchGoesOn) {
        state_.PuckCount = 0;
        state_.WaitingForClick = 1;
    }
    platform_.SetMousePointer(platform::MousePointer::Default);
    platform_.ClipCursor(std::nullopt);
    if (matchGoesOn) {
        PrintAt(75, 106, "Next Game");
        PrintAt(63, 150, "Click to Start");
    } else {
        PrintAt(4, 20, "GAME OVER");
        PrintAt(57, 172, "Click to Retry!");
    }
    return true;
}

void RallyEngine::ShowScore() {
    platform_.SetCaption("Score  PLAYER-" + std::to_string(state_.PlayerScore) + " VS CPU-" +
                         std::to_string(state_.CpuScore));
}

void RallyEngine::PrintAt(int x, int y, const char* text) {
    platform_.CurrentX = x;
    platform_.CurrentY = y;
    platform_.Print(text);
}

}  // namespace vork::rally
