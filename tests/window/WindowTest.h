#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/TableMatch.h"

namespace vork::testing {

// Each test gets its own X server and a freshly started game showing its window.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.WaitForWindow()) << "no window titled vorK within 5 s"; }

    // A one-puck rally (two with Shift), from a click where the mallet then rests.
    void StartRally(bool twoPucks = false) {
        game.ClickToPlay(GameFacts::RestingClick, twoPucks);
        ASSERT_TRUE(game.WaitForPuck()) << "no puck on the table within 2 s of the click";
    }

    // The window shows the table exactly as the game draws it, for the pucks
    // and mallets seen there; once a goal has put the score in the caption,
    // with the goal's texts over it. Retried for a while: a frame or the
    // texts may be on their way.
    ::testing::AssertionResult ShowsTheDrawnTable(int pucks = 1) {
        std::optional<PictureDifference> difference;
        const bool shown = WaitUntil(
            [&] {
                const std::string caption = game.Caption();
                const auto shot = game.Grab();
                if (!shot || game.Caption() != caption) {
                    return false;
                }
                difference = caption == GameFacts::TitleCaption
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

    XDesktop desktop;
    GameSession game{desktop};
};

}  // namespace vork::testing
