#include "tests/window/harness/WaylandDesktop.h"

#include "tests/window/harness/KWinDesktop.h"
#include "tests/window/harness/MutterDesktop.h"
#include "tests/window/harness/WestonDesktop.h"

namespace vork::testing {

std::ostream& operator<<(std::ostream& out, Compositor compositor) {
    switch (compositor) {
        case Compositor::Weston:
            return out << "Weston";
        case Compositor::Mutter:
            return out << "Mutter";
        case Compositor::KWin:
            return out << "KWin";
    }
    return out;
}

void WaylandDesktop::CloseActiveWindow(const Box& client) {
    // The buttons are 32 pixels wide in a bar 24 high, the close box last.
    Pointer().PlaceAt({client.Right - 16, client.Top - 12});
    Pointer().Click(1);
}

std::unique_ptr<WaylandDesktop> StartDesktop(Compositor compositor) {
    switch (compositor) {
        case Compositor::Weston:
            return std::make_unique<WestonDesktop>();
        case Compositor::Mutter:
            return std::make_unique<MutterDesktop>();
        case Compositor::KWin:
            return std::make_unique<KWinDesktop>();
    }
    return nullptr;
}

}  // namespace vork::testing
