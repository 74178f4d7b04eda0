#include "platform/web/WebInput.h"

#include <cstdint>

#include "platform/web/Host.h"

namespace vork::platform::web {

void WebInput::TakeAll() {
    HostEvent event{};
    while (HostInputNext(&event)) {
        const auto buttons = static_cast<std::int16_t>(event.Buttons);
        const auto shift = static_cast<std::int16_t>(event.Shift);
        switch (event.What) {
            case HostEvent::Move:
                if (const auto at = pointer_.MovedTo({event.X, event.Y})) {
                    events_.Move(buttons, shift, at->X, at->Y);
                }
                break;
            case HostEvent::Motion:
            case HostEvent::Place: {
                const WebPointer::Position at = event.What == HostEvent::Motion ? pointer_.MovedBy({event.X, event.Y})
                                                                                 : pointer_.PutAt({event.X, event.Y});
                events_.Move(buttons, shift, at.X, at.Y);
                break;
            }
            case HostEvent::Press: {
                const WebPointer::Position at = pointer_.Held() ? pointer_.At() : WebPointer::Position{event.X, event.Y};
                events_.Button(static_cast<std::int16_t>(event.Button), shift, at.X, at.Y);
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace vork::platform::web
