#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

#include "platform/Image.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/GameProcess.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"
#include "tests/window/harness/Xdotool.h"
#include "tests/window/harness/XvfbServer.h"

namespace vork::testing {

// A private desktop: its own X server, a connection to it and a user's hands.
struct XDesktop {
    explicit XDesktop(Point screen = {1024, 768}) : Server(screen), X(Server.DisplayName()), Input(Server.DisplayName()) {}

    XvfbServer Server;
    XConnection X;
    Xdotool Input;
};

// One run of the game on a desktop, seen from outside.
class GameSession {
public:
    // `binary` is the game built alongside the harness unless another copy is named.
    explicit GameSession(XDesktop& desktop, const std::string& binary = GameBinary())
        : GameSession(desktop, {}, binary) {}
    // With more environment variables ("NAME=value"), which win over the desktop's.
    GameSession(XDesktop& desktop, const std::vector<std::string>& environment,
                const std::string& binary = GameBinary());
    // Started as `launch` says, its environment winning over the desktop's.
    GameSession(XDesktop& desktop, const Launch& launch);

    // Looks for the window by its title; false if it did not appear in time.
    // A window that draws its own frame (Wine's, without a window manager)
    // has the client area inside: the picture's whole multiple, framed by
    // one border width left, right and below and the title bar above.
    bool WaitForWindow(Clock::duration timeout = 5s);
    // Waits until the client area shows `picture`.
    bool WaitForPicture(const platform::Image& picture, Clock::duration timeout);

    ::Window Window() const { return window_; }
    GameProcess& Process() { return game_; }
    XDesktop& Desktop() { return desktop_; }

    std::optional<platform::Image> Grab();
    // Where the client area lies on the screen, and in its window.
    Box OnScreen();
    Box InWindow() const { return client_; }
    std::string Caption();
    // The pointer's hot spot relative to the client area (it may lie outside).
    std::optional<Point> Pointer();
    // Moves the pointer to `at` in the client area.
    void MoveTo(Point at);

    // Gives the window the focus, rests the pointer at `at` and clicks the
    // left button, with Shift held for `shifted`.
    void ClickToPlay(Point at = GameFacts::RestingClick, bool shifted = false);
    // Waits until a puck is on the table.
    bool WaitForPuck(Clock::duration timeout = 2s);
    // Waits for the title to change from `from`; returns the new one.
    std::optional<std::string> WaitForCaptionOtherThan(const std::string& from, Clock::duration timeout);

private:
    XDesktop& desktop_;
    GameProcess game_;
    ::Window window_ = None;
    Box client_{};
};

}  // namespace vork::testing
