#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "platform/sdl/EndRequests.h"
#include "platform/sdl/WindowSystem.h"

namespace vork::platform {

// The game's one way of sleeping: a single wait on the window system's input
// and the end requests (on Linux a ppoll on the display connection and a
// signalfd, on Windows MsgWaitForMultipleObjectsEx). Nothing else in the
// program blocks, so the game wakes once per frame in a rally and not at all
// on an idle screen.
class EventWait {
public:
    using Clock = std::chrono::steady_clock;

    struct Ready {
        bool Display = false;      // input to read, or already queued
        bool Signal = false;       // an end request is pending
        bool DisplayLost = false;  // the connection was closed or broke
    };

    virtual ~EventWait() = default;

    // What is ready now, without sleeping: a quick look, made twice a frame.
    virtual Ready Poll() = 0;
    // Sends what is buffered and sleeps until input or an end request
    // arrives, or `timeout` has passed.
    virtual Ready WaitForInput(std::optional<Clock::duration> timeout) = 0;
    // Sleeps until `deadline`; only an end request ends the sleep early
    // (under Wine a frame's sleep leaves it to the look that follows).
    // Input that arrives meanwhile waits for the next look, so a frame costs
    // one wake-up.
    virtual Ready SleepUntil(Clock::time_point deadline) = 0;
    // How long after input SDL must still be pumped now and then, since it
    // applies some of what the window system said only at a later pump.
    virtual Clock::duration LateInputWindow() const = 0;
};

// The wait for the window's system, watching `ends` too.
std::unique_ptr<EventWait> WaitOn(const WindowSystem& system, EndRequests& ends);

}  // namespace vork::platform
