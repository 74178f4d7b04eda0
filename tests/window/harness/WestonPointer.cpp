#include "tests/window/harness/WestonPointer.h"

#include <stdexcept>

#include "tests/window/harness/WestonServer.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {

WestonPointer::WestonPointer(XConnection& x, const std::string& display, int scale)
    : DesktopPointer(WestonServer::OutputSize), input_(display), scale_(scale) {
    const auto window = FindWindowByCaption(x, "Weston Compositor - screen0");
    if (!window) {
        throw std::runtime_error("weston's output window is not on the X server");
    }
    output_ = *window;
    PlaceAt(last_);
}

void WestonPointer::PlaceAt(Point at) {
    // The X screen is wider than weston's window, so just right of the
    // window the pointer is off it.
    at_ = {WestonServer::OutputSize.X + 8, 0};
    MoveBy(0, 0);
    MoveTo(at);
}

void WestonPointer::MoveBy(int dx, int dy) {
    // The X pointer's own position stands for weston's until a hold parts them.
    input_.MoveTo(output_, (at_.X + dx) * scale_, (at_.Y + dy) * scale_);
}

void WestonPointer::Click(int button) { input_.Click(button); }

}  // namespace vork::testing
