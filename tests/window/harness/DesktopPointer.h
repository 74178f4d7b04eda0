#pragma once

#include <linux/input-event-codes.h>

#include "tests/window/harness/Geometry.h"

namespace vork::testing {

enum class Edge { Top, Bottom, Left, Right };

// A user's hand on a Wayland compositor's pointer, through whatever fake
// device that compositor takes. Moves are relative, as a mouse's are, so a
// client's hold on the pointer applies to them; points are on the output.
class DesktopPointer {
public:
    explicit DesktopPointer(Point outputSize) : last_{outputSize.X - 1, outputSize.Y - 1} {}
    virtual ~DesktopPointer() = default;
    DesktopPointer(const DesktopPointer&) = delete;
    DesktopPointer& operator=(const DesktopPointer&) = delete;

    // Puts the pointer exactly at `at`. Never during a hold: it would break
    // out of it, or be refused. By default from the top-left corner, where a
    // long move to the left and up ends whatever the start.
    virtual void PlaceAt(Point at);
    // An ordinary move to `at`: the pointer goes by as much, as far as any
    // hold lets it.
    void MoveTo(Point at);
    // Sweeps across the whole output towards `edge`, ending on it: a push far
    // enough to take a held pointer to that side of its hold from anywhere.
    void Push(Edge edge);
    // Moves to `to` a few pixels at a time, at a hand's pace.
    void Glide(Point to);
    // 1 the left button, 3 the right, as X numbers them.
    virtual void Click(int button) = 0;

protected:
    virtual void MoveBy(int dx, int dy) = 0;
    // The kernel's code for X's button number, as fake devices take it.
    static int ButtonCode(int button) { return button == 3 ? BTN_RIGHT : button == 2 ? BTN_MIDDLE : BTN_LEFT; }

    const Point last_;  // the output's bottom-right pixel
    Point at_;          // where the pointer is, had nothing held it
};

}  // namespace vork::testing
