#pragma once

#include <gtest/gtest.h>

#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/GameSession.h"

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

    // The window shows the table as the game draws it (see ShowsDrawnTable).
    ::testing::AssertionResult ShowsTheDrawnTable(int pucks = 1) {
        return ShowsDrawnTable([this] { return game.Grab(); }, [this] { return game.Caption(); }, pucks);
    }

    XDesktop desktop;
    GameSession game{desktop};
};

}  // namespace vork::testing
