#include "platform/sdl/X11Connection.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace vork::platform {
namespace {

// Xlib calls this when the server has gone; it must not return. Nothing can
// be shown or released any more, so the game only says why it stops.
int ConnectionLost(Display*) {
    std::fputs("vork: lost the connection to the X display\n", stderr);
    _exit(1);
}

}  // namespace

X11Connection::X11Connection(Display* display) : display_(display) { XSetIOErrorHandler(ConnectionLost); }

int X11Connection::Fd() const { return ConnectionNumber(display_); }

void X11Connection::Flush() { XFlush(display_); }

bool X11Connection::HasQueuedInput() { return XEventsQueued(display_, QueuedAlready) > 0; }

}  // namespace vork::platform
