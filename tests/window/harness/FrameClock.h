#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <optional>

#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/XConnection.h"

namespace vork::testing {

// Tells when a window's contents change, from the server's damage reports:
// a clock that ticks once per frame the game puts on the screen.
class FrameClock {
public:
    FrameClock(XConnection& x, ::Window window);
    ~FrameClock();
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    // When the next update arrived, or nullopt if none came in time.
    std::optional<Clock::time_point> NextUpdate(Clock::duration timeout);
    // Forgets the updates reported so far.
    void Drain();

private:
    bool TakeUpdate();

    XConnection& x_;
    int eventBase_ = 0;
    Damage damage_ = 0;
};

}  // namespace vork::testing
