#pragma once

#include "platform/sdl/DisplayConnection.h"

typedef struct _XDisplay Display;

namespace vork::platform {

// SDL's own connection to the X server.
class X11Connection final : public DisplayConnection {
public:
    // Also makes a lost connection end the game with a message of ours.
    explicit X11Connection(Display* display);

    int Fd() const override;
    void Flush() override;
    bool HasQueuedInput() override;

    Display* Get() const { return display_; }

private:
    Display* display_;
};

}  // namespace vork::platform
