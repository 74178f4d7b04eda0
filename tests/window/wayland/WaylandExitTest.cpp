#include <gtest/gtest.h>

#include <csignal>

#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandGameEnds = WaylandTest;

void ExpectQuietEnd(WaylandGameSession& game, const char* after) {
    const auto end = game.Process().WaitForExit(2000ms);
    ASSERT_TRUE(end) << "still running 2 s after " << after;
    EXPECT_TRUE(end->ExitedWith(0)) << *end;
    EXPECT_EQ(game.ErrorOutput(), "");
}

TEST_F(WaylandGameEnds, RightClickDuringARallyEndsItQuietly) {
    StartRally();
    desktop.Pointer.Click(3);
    ExpectQuietEnd(game, "the right click");
}

// The idle title sleeps on the Wayland connection: a signal must still wake it.
TEST_F(WaylandGameEnds, TerminationSignalOnTheIdleTitleEndsItQuietly) {
    std::this_thread::sleep_for(300ms);
    game.Process().SendSignal(SIGTERM);
    ExpectQuietEnd(game, "SIGTERM");
}

}  // namespace
}  // namespace vork::testing
