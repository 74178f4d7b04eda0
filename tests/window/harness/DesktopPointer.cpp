#include "tests/window/harness/DesktopPointer.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace vork::testing {

void DesktopPointer::PlaceAt(Point at) {
    MoveBy(-2 * (last_.X + 1), -2 * (last_.Y + 1));
    at_ = {0, 0};
    MoveTo(at);
}

void DesktopPointer::MoveTo(Point at) {
    MoveBy(at.X - at_.X, at.Y - at_.Y);
    at_ = at;
}

void DesktopPointer::Push(Edge edge) {
    switch (edge) {
        case Edge::Top:
            MoveTo({at_.X, last_.Y});
            MoveTo({at_.X, 0});
            break;
        case Edge::Bottom:
            MoveTo({at_.X, 0});
            MoveTo({at_.X, last_.Y});
            break;
        case Edge::Left:
            MoveTo({last_.X, at_.Y});
            MoveTo({0, at_.Y});
            break;
        case Edge::Right:
            MoveTo({0, at_.Y});
            MoveTo({last_.X, at_.Y});
            break;
    }
}

void DesktopPointer::Glide(Point to) {
    // At a brisk hand's pace, 800 pixels a second: a client sees the pointer
    // on its way, frame after frame, as it would a user's.
    constexpr int Step = 8;
    constexpr auto Pause = std::chrono::milliseconds(10);
    const Point from = at_;
    const int steps = std::max(std::abs(to.X - from.X), std::abs(to.Y - from.Y)) / Step + 1;
    for (int i = 1; i <= steps; ++i) {
        MoveTo({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
        std::this_thread::sleep_for(Pause);
    }
}

}  // namespace vork::testing
