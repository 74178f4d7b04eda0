#include "platform/web/WebWait.h"

#include "platform/web/Host.h"

namespace vork::platform::web {

std::uint32_t WebWait::Ticks() const { return HostTicks(); }

void WebWait::SleepUntil(std::uint32_t tick) {
    // A deadline already passed costs no trip through the page's event loop.
    if (static_cast<std::int32_t>(tick - Ticks()) > 0) {
        HostSleepUntil(tick);
    }
}

void WebWait::WaitForInput() { HostWaitForInput(); }

}  // namespace vork::platform::web
