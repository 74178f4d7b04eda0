#include "tests/window/harness/FrameClock.h"

#include <poll.h>

#include <stdexcept>

namespace vork::testing {

FrameClock::FrameClock(XConnection& x, ::Window window) : x_(x) {
    int errorBase = 0;
    if (!XDamageQueryExtension(x_.Get(), &eventBase_, &errorBase)) {
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    // One report each time the damage goes from empty to not; taking a report
    // empties it again.
    damage_ = XDamageCreate(x_.Get(), window, XDamageReportNonEmpty);
    x_.Sync();
}

FrameClock::~FrameClock() {
    XDamageDestroy(x_.Get(), damage_);
    x_.Sync();
}

bool FrameClock::TakeUpdate() {
    while (XPending(x_.Get()) > 0) {
        XEvent event;
        XNextEvent(x_.Get(), &event);
        if (event.type == eventBase_ + XDamageNotify) {
            XDamageSubtract(x_.Get(), damage_, None, None);
            XFlush(x_.Get());
            return true;
        }
    }
    return false;
}

std::optional<Clock::time_point> FrameClock::NextUpdate(Clock::duration timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (TakeUpdate()) {
            return Clock::now();
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return std::nullopt;
        }
        pollfd ready{ConnectionNumber(x_.Get()), POLLIN, 0};
        poll(&ready, 1, static_cast<int>(left));
    }
}

void FrameClock::Drain() {
    while (TakeUpdate()) {
    }
}

}  // namespace vork::testing
