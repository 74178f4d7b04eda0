#pragma once

struct SDL_Window;
struct wl_display;
struct wl_surface;
typedef struct _XDisplay Display;

namespace vork::platform {

// The window system under an SDL window, and its handles where the game
// talks to it directly.
struct WindowSystem {
    enum Kind { X11, Wayland, Windows, Other } Is = Other;
    Display* X11Display = nullptr;
    unsigned long X11Window = 0;
    wl_display* WaylandDisplay = nullptr;
    wl_surface* WaylandSurface = nullptr;
    void* WindowsHwnd = nullptr;
};

WindowSystem WindowSystemOf(SDL_Window* window);

}  // namespace vork::platform
