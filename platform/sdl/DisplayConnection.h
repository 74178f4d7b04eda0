#pragma once

#include <memory>

#include "platform/sdl/WindowSystem.h"

namespace vork::platform {

// The game's line to the window system, as far as waiting for input needs it.
class DisplayConnection {
public:
    virtual ~DisplayConnection() = default;

    // The descriptor input arrives on, or -1 when the driver has none to watch.
    virtual int Fd() const = 0;
    // Sends the requests buffered so far, so that nothing waits on our sleep.
    virtual void Flush() = 0;
    // Whether input has already been read off the descriptor into the client
    // library's queue, where a sleep on the descriptor would not see it. It
    // reads nothing itself and makes no system call.
    virtual bool HasQueuedInput() = 0;
};

std::unique_ptr<DisplayConnection> ConnectionOf(const WindowSystem& system);

}  // namespace vork::platform
