#pragma once

#include "tests/window/harness/WaylandDesktop.h"
#include "tests/window/harness/WestonPointer.h"
#include "tests/window/harness/WestonServer.h"
#include "tests/window/harness/XConnection.h"
#include "tests/window/harness/XvfbServer.h"

namespace vork::testing {

// weston on its own X server, and a user's hand on weston's pointer: its
// scene graph tells where windows are, its screenshots what they show.
class WestonDesktop : public WaylandDesktop {
public:
    // `scale`: weston's output scale; its window on the X server is that much larger.
    explicit WestonDesktop(int scale = 1)
        : Xvfb({1024 * scale, 768 * scale}),
          Weston(Xvfb, scale),
          X(Xvfb.DisplayName()),
          pointer_(X, Xvfb.DisplayName(), scale) {}

    Compositor Kind() const override { return Compositor::Weston; }
    // As in a desktop session with XWayland: an X server is there too, and
    // the game must still choose Wayland.
    std::vector<std::string> ClientEnvironment() const override;
    DesktopPointer& Pointer() override { return pointer_; }
    std::optional<platform::Image> Capture(const Box& area) override;
    int Scale() const override { return Weston.Scale(); }

    XvfbServer Xvfb;
    WestonServer Weston;
    XConnection X;

private:
    WestonPointer pointer_;
};

}  // namespace vork::testing
