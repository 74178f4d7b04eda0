#include "platform/GameWindow.h"

#include "platform/web/WebPlatform.h"

namespace vork::platform {

std::unique_ptr<Platform> OpenGameWindow(int clientWidth, int clientHeight, std::string_view caption,
                                         const Image& icon) {
    return std::make_unique<web::WebPlatform>(clientWidth, clientHeight, caption, icon);
}

}  // namespace vork::platform
