#include <gtest/gtest.h>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

// Started from a click in the player's half, or above it: the hold must
// take the pointer as soon as it comes into the half.
class WaylandRally : public WaylandTest, public ::testing::WithParamInterface<Point> {};

TEST_P(WaylandRally, HoldsThePointerAtEveryEdgeOfThePlayersHalf) {
    StartRally(GetParam());
    desktop.Pointer.Glide(game.OnOutput(GameFacts::RestingClick));
    // The mallet's top-left follows the pointer's hot spot.
    const Box& area = GameFacts::PlayerArea;
    struct Push {
        const char* Name;
        Edge Towards;
        int Point::*Axis;
        int HeldAt;
    };
    for (const Push push : {Push{"down", Edge::Bottom, &Point::Y, area.Bottom - 1},
                            Push{"up", Edge::Top, &Point::Y, area.Top},
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

INSTANTIATE_TEST_SUITE_P(FromAClick, WaylandRally,
                         ::testing::Values(GameFacts::RestingClick, Point{GameFacts::RestingClick.X, 100}),
                         [](const auto& info) {
                             return GameFacts::PlayerArea.Contains(info.param) ? "InsideTheHalf" : "AboveTheHalf";
                         });

}  // namespace
}  // namespace vork::testing
