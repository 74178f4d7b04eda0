#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace vork::testing {

// Input as a user gives it, through xdotool's synthetic devices (XTest), so
// the server applies pointer confinement exactly as for a real mouse.
class Xdotool {
public:
    explicit Xdotool(std::string display) : display_(std::move(display)) {}

    // The pointer to (x, y) of the window's client area.
    void MoveTo(::Window window, int x, int y) const;
    void MoveBy(int dx, int dy) const;
    void Click(int button) const;
    // A click with Shift held, for `shifted`.
    void Click(int button, bool shifted) const;
    void KeyDown(const std::string& key) const;
    void KeyUp(const std::string& key) const;
    // Gives the window the input focus, as a window manager would on a click.
    void Focus(::Window window) const;

private:
    void Run(std::vector<std::string> arguments) const;

    std::string display_;
};

}  // namespace vork::testing
