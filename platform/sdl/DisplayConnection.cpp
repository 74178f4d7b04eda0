#include "platform/sdl/DisplayConnection.h"

#include <SDL_syswm.h>

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
    bool HasQueuedInput(bool) override { return false; }
};

}  // namespace

std::unique_ptr<DisplayConnection> ConnectionOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info)) {
        switch (info.subsystem) {
            case SDL_SYSWM_X11:
                return std::make_unique<X11Connection>(info.info.x11.display);
            case SDL_SYSWM_WAYLAND:
                return std::make_unique<WaylandConnection>(info.info.wl.display);
            default:
                break;
        }
    }
    return std::make_unique<UnwatchedConnection>();
}

}  // namespace vork::platform
