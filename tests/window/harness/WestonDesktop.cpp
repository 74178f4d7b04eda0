#include "tests/window/harness/WestonDesktop.h"

#include "tests/window/harness/Screenshot.h"

namespace vork::testing {

std::vector<std::string> WestonDesktop::ClientEnvironment() const {
    std::vector<std::string> environment = Weston.ClientEnvironment();
    environment.push_back("DISPLAY=" + Xvfb.DisplayName());
    return environment;
}

std::optional<platform::Image> WestonDesktop::Capture(const Box& area) {
    const auto shot = TakeScreenshot(Weston);
    return shot ? std::optional(Crop(*shot, area)) : std::nullopt;
}

}  // namespace vork::testing
