#include "platform/sdl/WaylandConnection.h"

#include <wayland-client-core.h>

namespace vork::platform {

int WaylandConnection::Fd() const { return wl_display_get_fd(display_); }

void WaylandConnection::Flush() { wl_display_flush(display_); }

bool WaylandConnection::HasQueuedInput() {
    // Preparing to read fails exactly when events wait in the default queue.
    if (wl_display_prepare_read(display_) != 0) {
        return true;
    }
    wl_display_cancel_read(display_);
    return false;
}

}  // namespace vork::platform
