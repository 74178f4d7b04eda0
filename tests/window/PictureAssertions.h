#pragma once

#include <gtest/gtest.h>

#include "platform/Image.h"
#include "tests/window/harness/PictureWaits.h"

namespace vork::testing {

// Whether `grab` comes to show `expected` within `timeout` (the first frame
// may still be on its way); if not, how the last grab differed from it.
template <typename Grab>
::testing::AssertionResult ComesToShow(Grab&& grab, const platform::Image& expected, Clock::duration timeout) {
    WaitForPicture(grab, expected, timeout);
    const auto shot = grab();
    if (!shot) {
        return ::testing::AssertionFailure() << "no picture could be grabbed";
    }
    if (const auto difference = ComparePictures(expected, *shot)) {
        return ::testing::AssertionFailure() << *difference;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace vork::testing
