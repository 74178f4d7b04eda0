#pragma once

#include <sys/types.h>

#include <optional>

#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/WestonServer.h"

namespace vork::testing {

// Another application's window (weston-simple-shm), which takes the focus
// when it opens and gives it back when it closes with the object.
class OtherWindow {
public:
    explicit OtherWindow(const WestonServer& weston);
    ~OtherWindow();
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

    // Waits until it is on the screen; false if it did not come in time.
    bool WaitUntilShown(Clock::duration timeout = 5s);
    // Closes it, and waits until weston has taken it off the screen.
    bool Close(Clock::duration timeout = 5s);

private:
    // nullopt if the scene graph could not be read.
    std::optional<bool> IsShown() const;

    const WestonServer& weston_;
    pid_t pid_ = -1;
    bool closed_ = false;
};

}  // namespace vork::testing
