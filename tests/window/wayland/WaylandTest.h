#pragma once

#include <gtest/gtest.h>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WaylandGameSession.h"

namespace vork::testing {

// Each test gets its own X server with weston nested on it, and a freshly
// started game showing its window there.
class WaylandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.WaitForWindow()) << "no window of the game on weston within 5 s"; }

    // A one-puck rally, from a click where the mallet then rests.
    void StartRally(Point at = GameFacts::RestingClick) {
        game.ClickToPlay(at);
        ASSERT_TRUE(game.WaitForPuck()) << "no puck on the table within 2 s of the click";
    }

    WestonDesktop desktop;
    WaylandGameSession game{desktop};
};

}  // namespace vork::testing
