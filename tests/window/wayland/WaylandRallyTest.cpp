#include <gtest/gtest.h>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandRally = WaylandTest;

TEST_F(WaylandRally, HoldsThePointerAtEveryEdgeOfThePlayersHalf) {
    StartRally();
    // The mallet's top-left follows the pointer's hot spot.
    const Box& area = GameFacts::PlayerArea;
    struct Push {
        const char* Name;
        Edge Towards;
        int Point::*Axis;
        int HeldAt;
    };
    for (const Push push : {Push{"up", Edge::Top, &Point::Y, area.Top},
                            Push{"down", Edge::Bottom, &Point::Y, area.Bottom - 1},
                            Push{"left", Edge::Left, &Point::X, area.Left},
                            Push{"right", Edge::Right, &Point::X, area.Right - 1}}) {
        desktop.Pointer.Push(push.Towards);
        std::optional<Box> mallet;
        EXPECT_TRUE(WaitUntil(
            [&] {
                const auto shot = game.Grab();
                mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
                return mallet && mallet->TopLeft().*push.Axis == push.HeldAt;
            },
            1s))
            << "pushed " << push.Name << ", the mallet is at " << mallet.value_or(Box{-1, -1, -1, -1});
    }
}

}  // namespace
}  // namespace vork::testing
