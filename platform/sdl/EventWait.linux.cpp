#include "platform/sdl/EventWait.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/sdl/DisplayConnection.h"

namespace vork::platform {
namespace {

// Without a descriptor to watch, input is looked for this often.
constexpr auto UnwatchedInterval = std::chrono::milliseconds(10);

timespec ToTimespec(EventWait::Clock::duration span) {
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(std::max(span, {})).count();
    return {static_cast<time_t>(nanoseconds / 1'000'000'000), static_cast<long>(nanoseconds % 1'000'000'000)};
}

// A single ppoll on the display connection and the signalfd.
class PollWait final : public EventWait {
public:
    PollWait(std::unique_ptr<DisplayConnection> display, int signalFd)
        : display_(std::move(display)), signalFd_(signalFd) {}

    Ready Poll() override;
    Ready WaitForInput(std::optional<Clock::duration> timeout) override;
    Ready SleepUntil(Clock::time_point deadline) override;
    // SDL applies X11 focus changes 200 ms late.
    Clock::duration LateInputWindow() const override { return std::chrono::milliseconds(300); }

private:
    Ready Wait(bool watchDisplay, std::optional<Clock::time_point> deadline, bool alreadyQueued);

    std::unique_ptr<DisplayConnection> display_;
    int signalFd_;
};

}  // namespace

EventWait::Ready PollWait::Poll() { return Wait(true, Clock::now(), display_->HasQueuedInput()); }

EventWait::Ready PollWait::WaitForInput(std::optional<Clock::duration> timeout) {
    // Xlib's flush also reads what has arrived into its queue, where the
    // look below finds it.
    display_->Flush();
    if (display_->Fd() < 0) {
        timeout = std::min(timeout.value_or(UnwatchedInterval), Clock::duration(UnwatchedInterval));
    }
    return Wait(true, timeout ? std::optional(Clock::now() + *timeout) : std::nullopt, display_->HasQueuedInput());
}

EventWait::Ready PollWait::SleepUntil(Clock::time_point deadline) { return Wait(false, deadline, false); }

EventWait::Ready PollWait::Wait(bool watchDisplay, std::optional<Clock::time_point> deadline, bool alreadyQueued) {
    const bool watched = display_->Fd() >= 0;
    if (alreadyQueued) {
        deadline = Clock::now();  // still look for a signal, but do not sleep
    }
    pollfd fds[2] = {{signalFd_, POLLIN, 0}, {display_->Fd(), POLLIN, 0}};
    const nfds_t count = watchDisplay && watched ? 2 : 1;
    for (;;) {
        timespec timeout{};
        if (deadline) {
            timeout = ToTimespec(*deadline - Clock::now());
        }
        const int result = ppoll(fds, count, deadline ? &timeout : nullptr, nullptr);
        if (result >= 0 || errno != EINTR) {
            break;
        }
    }
    Ready ready;
    ready.Signal = (fds[0].revents & POLLIN) != 0;
    if (count == 2) {
        ready.Display = (fds[1].revents & POLLIN) != 0;
        ready.DisplayLost = (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    }
    // A driver we cannot watch gets a look after every wait.
    ready.Display = ready.Display || alreadyQueued || (watchDisplay && !watched);
    return ready;
}

std::unique_ptr<EventWait> WaitOn(const WindowSystem& system, EndRequests& ends) {
    return std::make_unique<PollWait>(ConnectionOf(system), static_cast<int>(ends.Waitable()));
}

}  // namespace vork::platform
