#pragma once

#include <memory>
#include <string_view>

#include "platform/Image.h"
#include "platform/Platform.h"

namespace vork::platform {

// The game's one window on this machine, created hidden: Platform::ShowWindow
// puts it on the screen once the game has drawn its first picture. Each
// target's platform library defines it.
std::unique_ptr<Platform> OpenGameWindow(int clientWidth, int clientHeight, std::string_view caption,
                                         const Image& icon);

}  // namespace vork::platform
