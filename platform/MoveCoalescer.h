#pragma once

#include <cstdint>
#include <optional>

#include "platform/EventSink.h"

namespace vork::platform {

// Today's mice report a motion sample every millisecond, but strike speed is
// measured between consecutive move events, one per look at the queue. So a
// run of motion samples reaches the sink as one move to the latest position;
// any other event first delivers the move pending before it, keeping order.
class MoveCoalescer {
public:
    void SetSink(EventSink* sink) { sink_ = sink; }

    void Move(std::int16_t buttons, std::int16_t shift, float x, float y);
    void Button(std::int16_t button, std::int16_t shift, float x, float y);
    void Close();
    // Delivers the pending move, if any. Call at the end of every pump.
    void Flush();

private:
    struct PendingMove {
        std::int16_t Buttons;
        std::int16_t Shift;
        float X;
        float Y;
    };

    EventSink* sink_ = nullptr;
    std::optional<PendingMove> pending_;
};

}  // namespace vork::platform
