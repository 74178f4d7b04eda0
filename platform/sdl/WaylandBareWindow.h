#pragma once

#include <cstdint>

struct SDL_Window;

namespace vork::platform {

// SDL_CreateWindow on SDL's Wayland driver, but without the EGL surface, and
// so without the GL driver, that SDL 2.26 gives every window there: a bare
// wl_surface the game draws into itself. nullptr on another driver, or where
// SDL cannot make it.
SDL_Window* CreateBareWaylandWindow(const char* title, int width, int height, std::uint32_t flags);

}  // namespace vork::platform
