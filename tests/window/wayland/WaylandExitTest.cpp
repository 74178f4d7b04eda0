#include <gtest/gtest.h>

#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandGameEnds = WaylandTest;

TEST_F(WaylandGameEnds, RightClickDuringARallyEndsItQuietly) {
    StartRally();
    desktop.Pointer.Click(3);
    const auto end = game.Process().WaitForExit(2000ms);
    ASSERT_TRUE(end) << "still running 2 s after the right click";
    EXPECT_TRUE(end->ExitedWith(0)) << *end;
    EXPECT_EQ(game.ErrorOutput(), "");
}

}  // namespace
}  // namespace vork::testing
