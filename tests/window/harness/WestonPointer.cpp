#include "tests/window/harness/WestonPointer.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tests/window/harness/WestonServer.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

constexpr Point Last{WestonServer::OutputSize.X - 1, WestonServer::OutputSize.Y - 1};

}  // namespace

WestonPointer::WestonPointer(XConnection& x, const std::string& display, int scale) : input_(display), scale_(scale) {
    const auto window = FindWindowByCaption(x, "Weston Compositor - screen0");
    if (!window) {
        throw std::runtime_error("weston's output window is not on the X server");
    }
    output_ = *window;
    PlaceAt(Last);
}

void WestonPointer::PlaceAt(Point at) {
    // The X screen is wider than weston's window, so just right of the
    // window the pointer is off it.
    MoveTo({WestonServer::OutputSize.X + 8, 0});
    MoveTo(at);
}

void WestonPointer::MoveTo(Point at) {
    input_.MoveTo(output_, at.X * scale_, at.Y * scale_);
    at_ = at;
}

void WestonPointer::Push(Edge edge) {
    switch (edge) {
        case Edge::Top:
            MoveTo({at_.X, Last.Y});
            MoveTo({at_.X, 0});
            break;
        case Edge::Bottom:
            MoveTo({at_.X, 0});
            MoveTo({at_.X, Last.Y});
            break;
        case Edge::Left:
            MoveTo({Last.X, at_.Y});
            MoveTo({0, at_.Y});
            break;
        case Edge::Right:
            MoveTo({0, at_.Y});
            MoveTo({Last.X, at_.Y});
            break;
    }
}

void WestonPointer::Glide(Point to) {
    constexpr int Step = 8;
    const Point from = at_;
    const int steps = std::max(std::abs(to.X - from.X), std::abs(to.Y - from.Y)) / Step + 1;
    for (int i = 1; i <= steps; ++i) {
        MoveTo({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
    }
}

void WestonPointer::Click(int button) { input_.Click(button); }

}  // namespace vork::testing
