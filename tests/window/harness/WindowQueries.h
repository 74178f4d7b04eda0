#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"

// Reading a top-level window as a window manager or a screenshot tool would.
namespace vork::testing {

// The first viewable window, anywhere in the tree, that is `wanted`.
std::optional<::Window> FindWindow(XConnection& x, const std::function<bool(::Window)>& wanted);
// The first viewable window, anywhere in the tree, whose title is `caption`.
std::optional<::Window> FindWindowByCaption(XConnection& x, std::string_view caption);
// The window's title: _NET_WM_NAME if set, else WM_NAME.
std::optional<std::string> ReadCaption(XConnection& x, ::Window window);
// Width and height of the window's inside.
std::optional<Point> ClientSize(XConnection& x, ::Window window);
// Where the window's top-left lies on the screen.
std::optional<Point> ClientOrigin(XConnection& x, ::Window window);
// The window's client area as the screen shows it.
std::optional<platform::Image> GrabClient(XConnection& x, ::Window window);
// Part of a window (the root, for what the screen shows there).
std::optional<platform::Image> GrabArea(XConnection& x, ::Window window, const Box& area);
// The smallest and largest client size the window allows, from its size hints.
std::optional<std::pair<Point, Point>> SizeLimits(XConnection& x, ::Window window);
// The pointer's hot spot relative to the window's top-left (it may lie outside).
std::optional<Point> PointerInClient(XConnection& x, ::Window window);
Point PointerOnScreen(XConnection& x);
// The window's class (WM_CLASS): its instance name and class name.
std::optional<std::pair<std::string, std::string>> WindowClass(XConnection& x, ::Window window);
// The Motif window manager hints: flags, functions, decorations, input mode.
std::optional<std::vector<long>> MotifHints(XConnection& x, ::Window window);
// The close request a window manager sends when its close button is pressed.
void SendDeleteWindow(XConnection& x, ::Window window);

}  // namespace vork::testing
