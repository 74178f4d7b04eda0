#pragma once

#include <optional>
#include <string>

#include "platform/Image.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/GameProcess.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/SceneGraph.h"
#include "tests/window/harness/WestonPointer.h"
#include "tests/window/harness/WestonServer.h"
#include "tests/window/harness/XConnection.h"
#include "tests/window/harness/XvfbServer.h"

namespace vork::testing {

// A private Wayland desktop: weston on its own X server, and a user's hand
// on weston's pointer.
struct WestonDesktop {
    // `scale`: weston's output scale; its window on the X server is that much larger.
    explicit WestonDesktop(int scale = 1)
        : Xvfb({1024 * scale, 768 * scale}),
          Weston(Xvfb, scale),
          X(Xvfb.DisplayName()),
          Pointer(X, Xvfb.DisplayName(), scale) {}

    XvfbServer Xvfb;
    WestonServer Weston;
    XConnection X;
    WestonPointer Pointer;
};

// One run of the game as a Wayland client of the desktop, seen from outside:
// the scene graph tells where its surfaces are, screenshots what they show.
class WaylandGameSession {
public:
    explicit WaylandGameSession(WestonDesktop& desktop);

    // Waits for the game's toplevel surface; false if none came in time.
    bool WaitForWindow(Clock::duration timeout = 5s);
    // The view of the game's own surface, the client area, as last found.
    const SceneView& Client() const { return *client_; }
    // The decoration drawn in a strip just above the client area, as wide as it.
    std::optional<SceneView> TitleBar();

    // The client area as the output shows it, in device pixels.
    std::optional<platform::Image> Grab();
    bool WaitForPicture(const platform::Image& picture, Clock::duration timeout);
    // Rests the pointer at `at` after a fast approach, then clicks the left button.
    void ClickToPlay(Point at = GameFacts::RestingClick);
    bool WaitForPuck(Clock::duration timeout = 2s);

    Point OnOutput(Point inClient) const { return {Client().Area.Left + inClient.X, Client().Area.Top + inClient.Y}; }
    GameProcess& Process() { return game_; }

private:
    WestonDesktop& desktop_;
    GameProcess game_;
    std::optional<SceneView> client_;
};

}  // namespace vork::testing
