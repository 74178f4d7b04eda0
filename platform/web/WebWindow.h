#pragma once

#include <string_view>

#include "platform/Image.h"

namespace vork::platform::web {

// The page stands in for the window: its title and the line above the table
// carry the caption, and the table appears once the game has drawn it.
class WebWindow {
public:
    void Show();
    void SetCaption(std::string_view caption);
    void SetIcon(const Image& icon);
};

}  // namespace vork::platform::web
