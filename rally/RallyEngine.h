#pragma once

#include <cstdint>

#include "platform/Platform.h"
#include "rally/MatchState.h"

namespace vork::rally {

// Plays rallies of a match on a platform: the frame loop and its steps. The
// steps are public so that each can be driven on its own.
class RallyEngine {
public:
    RallyEngine(MatchState& state, platform::Platform& platform) : state_(state), platform_(platform) {}

    // One rally, from the serve to the next goal.
    void PlayRally();

    void MovePuck(int k);
    void SteerCpuMallet();
    void CHAN(const std::int16_t& XY);
    bool CheckGoal(int k);
    void StrikePuck(int k);
    void CollidePucks();

    // The CPU's proximity counter; lives for one rally.
    int CpuNearCounter = 0;
    // Where the player's mallet may go during a rally, in client pixels.
    platform::ClientRect PlayerArea() const;

private:
    void Serve();
    void WaitForNextFrame(std::uint32_t& lastTick);
    void ShowScore();
    void PrintAt(int x, int y, const char* text);

    MatchState& state_;
    platform::Platform& platform_;
    bool inRally_ = false;
};

}  // namespace vork::rally
