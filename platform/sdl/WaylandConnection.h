#pragma once

#include "platform/sdl/DisplayConnection.h"

struct wl_display;

namespace vork::platform {

// SDL's connection to the Wayland compositor.
class WaylandConnection final : public DisplayConnection {
public:
    explicit WaylandConnection(wl_display* display) : display_(display) {}

    int Fd() const override;
    void Flush() override;
    bool HasQueuedInput() override;

private:
    wl_display* display_;
};

}  // namespace vork::platform
