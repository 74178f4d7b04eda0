#pragma once

#include "platform/MoveCoalescer.h"
#include "platform/web/WebPointer.h"

namespace vork::platform::web {

// Takes the page's input events, in order, and delivers them as the game's,
// at the pointer's position as the hold leaves it.
class WebInput {
public:
    WebInput(MoveCoalescer& events, WebPointer& pointer) : events_(events), pointer_(pointer) {}

    // Takes every event the page has queued.
    void TakeAll();

private:
    MoveCoalescer& events_;
    WebPointer& pointer_;
};

}  // namespace vork::platform::web
