#pragma once

#include "platform/Image.h"
#include "tests/window/harness/Deadline.h"
#include "tests/window/harness/PictureProbe.h"

// Waiting on what the game's client area shows, however it is grabbed: `grab`
// returns a std::optional<platform::Image>.
namespace vork::testing {

template <typename Grab>
bool WaitForPicture(Grab&& grab, const platform::Image& picture, Clock::duration timeout) {
    return WaitUntil(
        [&] {
            auto shot = grab();
            return shot && !ComparePictures(picture, *shot);
        },
        timeout, 2ms);
}

template <typename Grab>
bool WaitForPuck(Grab&& grab, Clock::duration timeout) {
    return WaitUntil(
        [&] {
            auto shot = grab();
            return shot && !FindPucks(*shot).empty();
        },
        timeout);
}

}  // namespace vork::testing
