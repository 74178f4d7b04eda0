#pragma once

#include <cstdint>

namespace vork::platform::web {

// The clock and the game's two ways of waiting. A page may not block, so each
// wait suspends the game and hands the page back its event loop; the page
// resumes the game when the time comes or input arrives.
class WebWait {
public:
    // Real time in whole milliseconds, wrapping at 32 bits.
    std::uint32_t Ticks() const;
    // Returns once the tick counter has reached `tick`, on time to the
    // millisecond: the page sleeps most of the way and looks closely for the
    // rest.
    void SleepUntil(std::uint32_t tick);
    // Returns once there is input; an idle page has no wake-ups at all.
    void WaitForInput();
};

}  // namespace vork::platform::web
