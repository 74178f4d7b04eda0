#pragma once

#include <X11/Xlib.h>

#include <string>

#include "tests/window/harness/Geometry.h"
#include "tests/window/harness/XConnection.h"
#include "tests/window/harness/Xdotool.h"

namespace vork::testing {

enum class Edge { Top, Bottom, Left, Right };

// The pointer of a weston nested on an X server, driven through the X
// server's pointer with xdotool. weston moves its own pointer by as much as
// the X pointer moves over its window (relative motion, so a client's hold
// on the pointer applies), and puts it where the X pointer enters the window
// (absolute, bypassing any hold). Points are on weston's output.
class WestonPointer {
public:
    // Starts resting in the output's bottom-right corner, where weston
    // places no part of the first window it opens.
    // `scale`: weston's device pixels per output pixel.
    WestonPointer(XConnection& x, const std::string& display, int scale = 1);

    // Puts the pointer exactly at `at` by taking the X pointer off weston's
    // window and back in. Never during a hold: it would break out of it.
    void PlaceAt(Point at);
    // An ordinary move of the X pointer to `at`: weston's pointer follows by
    // the same distance, as far as any hold lets it.
    void MoveTo(Point at);
    // Sweeps across the whole output towards `edge`, ending on it: a push far
    // enough to take a held pointer to that side of its hold from anywhere.
    void Push(Edge edge);
    // Moves to `to` a few pixels at a time, as a hand on a mouse does.
    void Glide(Point to);
    void Click(int button);

private:
    Xdotool input_;
    int scale_;
    ::Window output_ = None;
    Point at_;  // where the X pointer is
};

}  // namespace vork::testing
