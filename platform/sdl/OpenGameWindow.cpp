#include "platform/GameWindow.h"

#include "platform/sdl/SdlPlatform.h"

namespace vork::platform {

std::unique_ptr<Platform> OpenGameWindow(int clientWidth, int clientHeight, std::string_view caption,
                                         const Image& icon) {
    return std::make_unique<SdlPlatform>(clientWidth, clientHeight, caption, icon);
}

}  // namespace vork::platform
