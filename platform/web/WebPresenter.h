#pragma once

#include <cstdint>
#include <vector>

#include "platform/Image.h"

namespace vork::platform::web {

// Hands the page the picture as its canvas takes it, 8-bit RGBA, converting
// only what changed; the page uploads those rectangles at its next display
// frame, so a frame costs a few small copies however large the table shows.
class WebPresenter {
public:
    WebPresenter(int width, int height);

    void Present(const Image& picture, bool everything);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace vork::platform::web
