#pragma once

#include <cstdint>
#include <memory>

#include "platform/sdl/WindowSystem.h"

namespace vork::platform {

// What asks the game to end from outside its window: SIGTERM, SIGINT and
// SIGHUP on Linux; Ctrl+C in a console and the end of the session on
// Windows. Each ends the game like a right click.
class EndRequests {
public:
    virtual ~EndRequests() = default;

    // What the event wait watches, ready while a request is pending: a
    // descriptor on Linux, an event handle on Windows.
    virtual std::intptr_t Waitable() const = 0;
    // Reads every pending request; true if there was one.
    virtual bool Take() = 0;
    // Also listens to what the window system says to the game's window.
    virtual void Watch(const WindowSystem& window) = 0;
};

// Starts listening. Call before SDL starts: on Linux every thread must
// inherit the blocked signals.
std::unique_ptr<EndRequests> ListenForEndRequests();

}  // namespace vork::platform
