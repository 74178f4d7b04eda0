#pragma once

#include <X11/Xlib.h>

#include <string>

#include "tests/window/harness/DesktopPointer.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"
#include "tests/window/harness/Xdotool.h"

namespace vork::testing {

// The pointer of a weston nested on an X server, driven through the X
// server's pointer with xdotool. weston moves its own pointer by as much as
// the X pointer moves over its window (relative motion, so a client's hold
// on the pointer applies), and puts it where the X pointer enters the window
// (absolute, bypassing any hold).
class WestonPointer : public DesktopPointer {
public:
    // Starts resting in the output's bottom-right corner, where weston
    // places no part of the first window it opens.
    // `scale`: weston's device pixels per output pixel.
    WestonPointer(XConnection& x, const std::string& display, int scale = 1);

    // By taking the X pointer off weston's window and back in.
    void PlaceAt(Point at) override;
    void Click(int button) override;

private:
    void MoveBy(int dx, int dy) override;

    Xdotool input_;
    int scale_;
    ::Window output_ = None;
};

}  // namespace vork::testing
