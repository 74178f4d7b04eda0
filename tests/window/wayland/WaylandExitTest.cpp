#include <gtest/gtest.h>

#include <csignal>

#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandGameEnds = WaylandTest;

void ExpectQuietEnd(WaylandGameSession& game, const char* after) {
    EXPECT_EQ(game.Process().ProblemWithEnd(), std::nullopt) << "after " << after;
}

TEST_P(WaylandGameEnds, RightClickDuringARallyEndsItQuietly) {
    StartRally();
    desktop->Pointer().Click(3);
    ExpectQuietEnd(game, "the right click");
}

// The idle title sleeps on the Wayland connection: a signal must still wake it.
TEST_P(WaylandGameEnds, TerminationSignalOnTheIdleTitleEndsItQuietly) {
    std::this_thread::sleep_for(300ms);
    game.Process().SendSignal(SIGTERM);
    ExpectQuietEnd(game, "SIGTERM");
}

TEST_P(WaylandGameEnds, CloseRequestOnTheIdleTitleEndsItQuietly) {
    desktop->CloseActiveWindow(game.Client().Area);
    ExpectQuietEnd(game, "the close request");
}

INSTANTIATE_TEST_SUITE_P(On, WaylandGameEnds, ::testing::ValuesIn(AllCompositors), CompositorName);

}  // namespace
}  // namespace vork::testing
