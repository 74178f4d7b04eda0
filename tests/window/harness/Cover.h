#pragma once

#include <X11/Xlib.h>

#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"

namespace vork::testing {

// A black window laid over part of the screen, as another program's would
// be, until the object goes; then what it hid must be repainted.
class Cover {
public:
    Cover(XConnection& x, const Box& onScreen);
    ~Cover();
    Cover(const Cover&) = delete;
    Cover& operator=(const Cover&) = delete;

    // Waits until the screen shows the cover.
    bool WaitUntilShown();
    ::Window Get() const { return window_; }

private:
    XConnection& x_;
    Box area_;
    ::Window window_;
};

}  // namespace vork::testing
