#include "platform/sdl/VideoDriverChoice.h"

#include <SDL_hints.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace vork::platform {
namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

void NoteSeat(void* found, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0) {
        *static_cast<bool*>(found) = true;
    }
}

void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}

// SDL 2.26 dereferences a null pointer while starting its Wayland driver on
// a compositor that offers no seat (a kiosk or headless one), so the game
// asks first, on a connection of its own.
bool CompositorOffersASeat() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return false;
    }
    bool found = false;
    static const wl_registry_listener listener{NoteSeat, IgnoreRemoval};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &found);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered && found;
}

}  // namespace

void ChooseVideoDriver() {
    if (Set("SDL_VIDEODRIVER")) {
        return;
    }
    // A socket handed over by the compositor serves one connection only:
    // it is left to SDL, unprobed.
    const bool wayland = Set("WAYLAND_SOCKET") || (Set("WAYLAND_DISPLAY") && CompositorOffersASeat());
    SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland ? "wayland,x11" : "x11");
}

}  // namespace vork::platform
