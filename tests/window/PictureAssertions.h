#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "platform/Image.h"
#include "tests/window/harness/GameFacts.h"
#include "tests/window/harness/PictureWaits.h"
#include "tests/window/harness/TableMatch.h"

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

// Whether `grab` shows the table exactly as the game draws it, for the pucks
// and mallets seen there; once a goal has put the score in the `caption`,
// with the goal's texts over it. Retried for a while: a frame or the texts
// may be on their way.
template <typename Grab, typename Caption>
::testing::AssertionResult ShowsDrawnTable(Grab&& grab, Caption&& caption, int pucks = 1) {
    std::optional<PictureDifference> difference;
    const bool shown = WaitUntil(
        [&] {
            const std::string before = caption();
            const auto shot = grab();
            if (!shot || caption() != before) {
                return false;
            }
            difference = before == GameFacts::TitleCaption
                             ? DifferenceFromDrawnTable(*shot, pucks)
                             : DifferenceFromDrawnTable(*shot, pucks, {GameFacts::NextGame, GameFacts::ClickToStart});
            return !difference;
        },
        1s, 20ms);
    if (shown) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream why;
    if (difference) {
        why << *difference;
    }
    return ::testing::AssertionFailure() << "not the table as the game draws it: " << why.str();
}

}  // namespace vork::testing
