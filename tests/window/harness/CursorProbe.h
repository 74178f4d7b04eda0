#pragma once

#include <optional>
#include <vector>

#include "tests/window/harness/XConnection.h"

namespace vork::testing {

// The pointer's shape as the server draws it.
struct CursorPicture {
    int Width = 0;
    int Height = 0;
    int HotX = 0;
    int HotY = 0;
    std::vector<unsigned long> Pixels;

    friend bool operator==(const CursorPicture&, const CursorPicture&) = default;
};

std::optional<CursorPicture> CurrentCursor(XConnection& x);
// What the server shows for a shape of the standard cursor font (XC_crosshair,
// XC_left_ptr...), found by showing it over a scratch window in a corner. It
// moves the pointer, so take it before a rally confines it.
std::optional<CursorPicture> FontCursorPicture(XConnection& x, unsigned shape);

}  // namespace vork::testing
