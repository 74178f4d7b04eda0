#pragma once

#include <chrono>
#include <optional>

#include "platform/sdl/DisplayConnection.h"

namespace vork::platform {

// The game's one way of sleeping: a single ppoll on the display connection
// and the termination signals. Nothing else in the program blocks, so the
// game wakes once per frame in a rally and not at all on an idle screen.
class EventWait {
public:
    using Clock = std::chrono::steady_clock;

    struct Ready {
        bool Display = false;      // input to read, or already queued
        bool Signal = false;       // a termination signal is pending
        bool DisplayLost = false;  // the connection was closed or broke
    };

    EventWait(DisplayConnection& display, int signalFd) : display_(display), signalFd_(signalFd) {}

    // What is ready now, without sleeping: a quick look, made twice a frame.
    Ready Poll();
    // Sends what is buffered and sleeps until input or a signal arrives, or
    // `timeout` has passed.
    Ready WaitForInput(std::optional<Clock::duration> timeout);
    // Sleeps until `deadline`; only a signal ends the sleep early. Input that
    // arrives meanwhile waits for the next look, so a frame costs one wake-up.
    Ready SleepUntil(Clock::time_point deadline);

private:
    Ready Wait(bool watchDisplay, std::optional<Clock::time_point> deadline, bool alreadyQueued);

    DisplayConnection& display_;
    int signalFd_;
};

}  // namespace vork::platform
