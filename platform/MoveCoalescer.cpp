#include "platform/MoveCoalescer.h"

namespace vork::platform {

void MoveCoalescer::Move(std::int16_t buttons, std::int16_t shift, float x, float y) {
    pending_ = PendingMove{buttons, shift, x, y};
}

void MoveCoalescer::Button(std::int16_t button, std::int16_t shift, float x, float y) {
    Flush();
    if (sink_ != nullptr) {
        sink_->OnMouseButton(button, shift, x, y);
    }
}

void MoveCoalescer::Close() {
    Flush();
    if (sink_ != nullptr) {
        sink_->OnWindowClose();
    }
}

void MoveCoalescer::Flush() {
    if (!pending_) {
        return;
    }
    // Cleared before delivery: the handler may end the program from inside.
    const PendingMove move = *pending_;
    pending_.reset();
    if (sink_ != nullptr) {
        sink_->OnMouseMove(move.Buttons, move.Shift, move.X, move.Y);
    }
}

}  // namespace vork::platform
