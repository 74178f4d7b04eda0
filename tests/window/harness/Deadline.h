#pragma once

#include <chrono>
#include <thread>

namespace vork::testing {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Polls until `ready` holds or the time is up; returns whether it held. The
// last look comes after the deadline, so a slow poll cannot miss a success.
template <typename Predicate>
bool WaitUntil(Predicate&& ready, Clock::duration timeout, Clock::duration interval = 5ms) {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        if (ready()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(interval);
    }
}

}  // namespace vork::testing
