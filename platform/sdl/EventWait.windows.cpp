#include "platform/sdl/EventWait.h"

#include <windows.h>
#include <timeapi.h>

#include <stdexcept>

// Windows 10 1803 and later; older headers lack it.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace vork::platform {
namespace {

using Ticks = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;  // Windows' 100 ns
using DelayExecution = LONG(NTAPI*)(BOOLEAN alertable, const LARGE_INTEGER* interval);

// Under Wine every wait on a handle is a request to the wineserver, which
// rounds its timeout up to whole milliseconds counted from the moment it
// reads the request: a frame's sleep ends up to a millisecond past the tick
// it was aimed at, the next sleep starts that much later in its tick, and so
// on until a frame misses its tick. Wine's plain sleep stays in the process
// and keeps time to the microsecond; Windows' keeps only the clock's ticks.
// So Wine's paces the frames under Wine, and the timer below on Windows.
DelayExecution WineSleep() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<DelayExecution>(reinterpret_cast<void*>(GetProcAddress(ntdll, "NtDelayExecution")));
}

// Wine's sleep does not watch the end requests: the look that follows takes
// them, so it serves only sleeps as short as a frame's.
constexpr auto LongestUnwatchedSleep = std::chrono::milliseconds(20);

// The thread's message queue and the end requests in one
// MsgWaitForMultipleObjectsEx; a frame's sleep on a waitable timer. Windows'
// default timer ticks every 15.6 ms, which would drop a 10 ms frame rate to
// 64 frames a second: a high-resolution timer wakes within half a
// millisecond; where Windows has none, the clock ticks every millisecond
// while frames are paced, and only then, as that costs power.
class MessageWait final : public EventWait {
public:
    explicit MessageWait(HANDLE ends);
    ~MessageWait() override;
    MessageWait(const MessageWait&) = delete;
    MessageWait& operator=(const MessageWait&) = delete;

    Ready Poll() override { return WaitForMessages(0); }
    Ready WaitForInput(std::optional<Clock::duration> timeout) override;
    Ready SleepUntil(Clock::time_point deadline) override;
    // Windows' messages tell SDL everything as it happens.
    Clock::duration LateInputWindow() const override { return {}; }

private:
    Ready WaitForMessages(DWORD milliseconds);
    void HoldFineTicks(bool hold);

    HANDLE ends_;
    HANDLE timer_;
    DelayExecution wineSleep_ = WineSleep();
    bool highResolution_ = true;
    bool fineTicks_ = false;
};

MessageWait::MessageWait(HANDLE ends)
    : ends_(ends),
      timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS)) {
    if (timer_ == nullptr) {
        highResolution_ = false;
        timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    if (timer_ == nullptr) {
        throw std::runtime_error("cannot create a waitable timer");
    }
}

MessageWait::~MessageWait() {
    HoldFineTicks(false);
    CloseHandle(timer_);
}

EventWait::Ready MessageWait::WaitForInput(std::optional<Clock::duration> timeout) {
    HoldFineTicks(false);
    if (!timeout) {
        return WaitForMessages(INFINITE);
    }
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(*timeout).count();
    return WaitForMessages(static_cast<DWORD>(std::max<long long>(milliseconds, 0)));
}

// MWMO_INPUTAVAILABLE: messages already in the queue end the wait too, not
// only those that came since the queue was last looked at.
EventWait::Ready MessageWait::WaitForMessages(DWORD milliseconds) {
    // The first of the ready handles is named: an end request comes first.
    const DWORD result = MsgWaitForMultipleObjectsEx(1, &ends_, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Ready ready;
    ready.Signal = result == WAIT_OBJECT_0;
    ready.Display = result == WAIT_OBJECT_0 + 1;
    return ready;
}

EventWait::Ready MessageWait::SleepUntil(Clock::time_point deadline) {
    const auto remaining = std::chrono::ceil<Ticks>(deadline - Clock::now());
    LARGE_INTEGER due;
    due.QuadPart = -remaining.count();  // relative
    if (wineSleep_ != nullptr && remaining.count() > 0 && remaining <= LongestUnwatchedSleep) {
        wineSleep_(FALSE, &due);
        return {};
    }
    const HANDLE handles[2] = {ends_, timer_};
    DWORD result = WAIT_FAILED;
    if (remaining.count() > 0) {
        HoldFineTicks(!highResolution_);
    }
    if (remaining.count() > 0 && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
        result = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    } else {
        result = WaitForSingleObject(ends_, 0);
    }
    Ready ready;
    ready.Signal = result == WAIT_OBJECT_0;
    return ready;
}

void MessageWait::HoldFineTicks(bool hold) {
    if (hold == fineTicks_) {
        return;
    }
    if (hold) {
        timeBeginPeriod(1);
    } else {
        timeEndPeriod(1);
    }
    fineTicks_ = hold;
}

}  // namespace

std::unique_ptr<EventWait> WaitOn(const WindowSystem&, EndRequests& ends) {
    return std::make_unique<MessageWait>(reinterpret_cast<HANDLE>(ends.Waitable()));
}

}  // namespace vork::platform
