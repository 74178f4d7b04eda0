#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Image.h"
#include "tests/window/harness/ClientLog.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/GameProcess.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/SceneGraph.h"
#include "tests/window/harness/WaylandDesktop.h"
#include "tests/window/harness/WestonDesktop.h"

namespace vork::testing {

// One run of the game as a Wayland client of the desktop, seen from outside:
// where the compositor does not say where the window is, the game's own
// protocol log (WAYLAND_DEBUG) tells what the compositor answered it, and
// the pointer finds the window.
class WaylandGameSession {
public:
    // `keepLog`: whether the game keeps its protocol log; it costs the game
    // time, so a measured run goes without, and finds the window only where
    // the compositor says where it is (weston).
    explicit WaylandGameSession(WaylandDesktop& desktop, bool keepLog = true);

    // Waits for the game's toplevel surface and finds where it lies; false
    // if none came in time.
    bool WaitForWindow(Clock::duration timeout = 5s);
    // The view of the game's own surface, the client area, as last found.
    // Only weston's scene graph gives its title and application id.
    const SceneView& Client() const { return *client_; }
    // weston only: the decoration drawn in a strip just above the client
    // area, as wide as it.
    std::optional<SceneView> TitleBar();

    // The client area as the output shows it, in device pixels; nullopt
    // where the compositor gives no pictures.
    std::optional<platform::Image> Grab();
    bool WaitForPicture(const platform::Image& picture, Clock::duration timeout);
    // Rests the pointer at `at` after a fast approach, then clicks the left button.
    void ClickToPlay(Point at = GameFacts::RestingClick);
    bool WaitForPuck(Clock::duration timeout = 2s);
    // Where pictures are to be had, a puck on the table; elsewhere the game's
    // request to hold the pointer, with which a rally starts.
    bool WaitForRally(Clock::duration timeout = 2s);

    // What the compositor has told the game so far; null if no log is kept.
    const ClientLog* Log();

    Point OnOutput(Point inClient) const { return {Client().Area.Left + inClient.X, Client().Area.Top + inClient.Y}; }
    GameProcess& Process() { return game_; }

private:
    bool FindByPointer(Clock::duration timeout);
    // Where the game is told the pointer is on its window after `move`;
    // nullopt if it is told nothing new there.
    template <typename Move>
    std::optional<Point> PointerOnWindowAfter(Move&& move);

    WaylandDesktop& desktop_;
    GameProcess game_;
    std::optional<ClientLog> log_;
    std::optional<SceneView> client_;
};

}  // namespace vork::testing
