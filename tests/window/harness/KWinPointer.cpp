#include "tests/window/harness/KWinPointer.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "fake-input-client-protocol.h"
#include "tests/window/harness/WaylandDesktop.h"

namespace vork::testing {
namespace {

void FindFakeInput(void* found, wl_registry* registry, std::uint32_t name, const char* interface,
                   std::uint32_t version) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        // Absolute motion came with version 3.
        *static_cast<org_kde_kwin_fake_input**>(found) = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, std::min(version, 3u)));
    }
}

void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}

}  // namespace

KWinPointer::KWinPointer(const std::string& socketPath) : DesktopPointer(WaylandDesktop::OutputSize) {
    display_ = wl_display_connect(socketPath.c_str());
    if (display_ == nullptr) {
        throw std::runtime_error("cannot connect to KWin at " + socketPath);
    }
    static const wl_registry_listener listener{FindFakeInput, IgnoreRemoval};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, &input_);
    wl_display_roundtrip(display_);
    if (input_ == nullptr || org_kde_kwin_fake_input_get_version(input_) < 3) {
        throw std::runtime_error("KWin offers no fake input of version 3");
    }
    org_kde_kwin_fake_input_authenticate(input_, "vorK tests", "plays the game as a user would");
    // KWin adds the fake pointer to the seat at its first event: before any
    // client looks at the seat.
    PlaceAt(last_);
}

KWinPointer::~KWinPointer() {
    if (input_ != nullptr) {
        org_kde_kwin_fake_input_destroy(input_);
    }
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

void KWinPointer::Sync() {
    if (wl_display_roundtrip(display_) < 0) {
        throw std::runtime_error("KWin closed the fake input's connection");
    }
}

void KWinPointer::PlaceAt(Point at) {
    org_kde_kwin_fake_input_pointer_motion_absolute(input_, wl_fixed_from_int(at.X), wl_fixed_from_int(at.Y));
    Sync();
    at_ = at;
}

void KWinPointer::MoveBy(int dx, int dy) {
    // KWin drops a whole move that would leave a hold's area, where other
    // compositors stop it at the edge: one pixel at a time, only the last
    // step out is lost.
    const int steps = std::max(std::abs(dx), std::abs(dy));
    int doneX = 0;
    int doneY = 0;
    for (int i = 1; i <= steps; ++i) {
        const int x = dx * i / steps;
        const int y = dy * i / steps;
        org_kde_kwin_fake_input_pointer_motion(input_, wl_fixed_from_int(x - doneX), wl_fixed_from_int(y - doneY));
        doneX = x;
        doneY = y;
    }
    Sync();
}

void KWinPointer::Click(int button) {
    const std::uint32_t code = ButtonCode(button);
    org_kde_kwin_fake_input_button(input_, code, WL_POINTER_BUTTON_STATE_PRESSED);
    org_kde_kwin_fake_input_button(input_, code, WL_POINTER_BUTTON_STATE_RELEASED);
    Sync();
}

}  // namespace vork::testing
