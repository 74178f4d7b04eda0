#include "platform/sdl/DisplayConnection.h"

#include "platform/sdl/WaylandConnection.h"
#include "platform/sdl/X11Connection.h"

namespace vork::platform {
namespace {

// A driver whose connection we cannot see: the wait falls back to looking
// for input at a short, fixed interval.
class UnwatchedConnection final : public DisplayConnection {
public:
    int Fd() const override { return -1; }
    void Flush() override {}
    bool HasQueuedInput() override { return false; }
};

}  // namespace

std::unique_ptr<DisplayConnection> ConnectionOf(const WindowSystem& system) {
    switch (system.Is) {
        case WindowSystem::X11: return std::make_unique<X11Connection>(system.X11Display);
        case WindowSystem::Wayland: return std::make_unique<WaylandConnection>(system.WaylandDisplay);
        case WindowSystem::Windows:
        case WindowSystem::Other: break;
    }
    return std::make_unique<UnwatchedConnection>();
}

}  // namespace vork::platform
