#include "tests/window/harness/WestonPointer.h"

#include <stdexcept>

#include "tests/window/harness/WestonServer.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

constexpr Point Last{WestonServer::OutputSize.X - 1, WestonServer::OutputSize.Y - 1};

}  // namespace

WestonPointer::WestonPointer(XConnection& x, const std::string& display) : input_(display) {
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
    input_.MoveTo(output_, at.X, at.Y);
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

void WestonPointer::Click(int button) { input_.Click(button); }

}  // namespace vork::testing
