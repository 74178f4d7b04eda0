#include <stdexcept>

#include "rally/RallyEngine.h"
#include "render/DrawTable.h"

namespace vork::rally {
namespace {

constexpr std::uint32_t FramePeriod = 10;  // milliseconds, by the tick counter

// Clears the flag however the rally ends, a goal or the program's end.
class RallyFlag {
public:
    explicit RallyFlag(bool& flag) : flag_(flag) {
        if (flag_) {
            throw std::logic_error("a rally was started inside a rally");
        }
        flag_ = true;
    }
    ~RallyFlag() { flag_ = false; }
    RallyFlag(const RallyFlag&) = delete;
    RallyFlag& operator=(const RallyFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

platform::ClientRect RallyEngine::PlayerArea() const {
    // The mallet's top-left may go wherever its sprite stays on the table,
    // below the centre line: x 0 to 215, y 161 to 310 on the 335-pixel table.
    const int bottom = platform_.ScaleHeight() - Table::SpriteSize;
    return {0, bottom - 150, Table::Width - Table::SpriteSize, bottom};
}

void RallyEngine::PlayRally() {
    const RallyFlag running(inRally_);
    platform_.ClipCursor(PlayerArea());
    platform_.SetMousePointer(platform::MousePointer::CrossHair);
    platform_.ReseedRandomFromClock();
    std::uint32_t lastTick = platform_.GetTickCount();
    CpuNearCounter = 0;
    Serve();

    for (;;) {
        const int pucks = state_.PuckCount;
        for (int k = 0; k < pucks; ++k) {
            MovePuck(k);
            SteerCpuMallet();
            render::DrawTable(state_, platform_);
            if (CheckGoal(k)) {
                return;
            }
            StrikePuck(k);
        }
        if (pucks == 2) {
            CollidePucks();
        }
        WaitForNextFrame(lastTick);
    }
}

void RallyEngine::Serve() {
    state_.PuckDX[0] = 1;
    state_.PuckDY[0] = 1;
    state_.CpuDX = 1;
    state_.CpuDY = 1;
    state_.PuckX[0] = 0;
    state_.PuckY[0] = 150;
    if (state_.PuckCount == 2) {
        state_.PuckDX[1] = -1;
        state_.PuckDY[1] = -1;
        state_.PuckX[1] = Table::PuckMaxX + 1;  // its first move brings it onto the wall
        state_.PuckY[1] = 150;
    }
    if (state_.WaitingForClick == 1) {
        state_.CpuScore = 0;
        state_.PlayerScore = 0;
        state_.WaitingForClick = 0;
        platform_.SetCaption("vorK");
    }
}

// Every frame handles the pending events at least once; then the wait sleeps
// rather than spins, and it releases the frame on the tick at which 10 ms have
// passed. The unsigned difference survives the counter's wrap.
void RallyEngine::WaitForNextFrame(std::uint32_t& lastTick) {
    for (;;) {
        const std::uint32_t now = platform_.GetTickCount();
        platform_.PumpEvents();
        if (now - lastTick >= FramePeriod) {
            lastTick = now;
            return;
        }
        platform_.SleepUntil(lastTick + FramePeriod);
    }
}

}  // namespace vork::rally
