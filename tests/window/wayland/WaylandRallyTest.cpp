#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

// Started from a click in the player's half, or above it: the hold must
// take the pointer as soon as it comes into the half.
using WaylandRally = WaylandTestOf<std::tuple<Compositor, Point>>;

TEST_P(WaylandRally, HoldsThePointerAtEveryEdgeOfThePlayersHalf) {
    StartRally(std::get<1>(GetParam()));
    desktop->Pointer().Glide(game.OnOutput(GameFacts::RestingClick));
    ASSERT_TRUE(WaitUntil([&] { return game.Log()->Confined(); }, 2s))
        << "the compositor did not hold the pointer once it came into the player's half";
    // The mallet's top-left follows the pointer's hot spot, which the
    // compositor reports to the game on the window: both where pictures are
    // to be had, the report alone elsewhere.
    const Box& area = GameFacts::PlayerArea;
    struct Push {
        const char* Name;
        Edge Towards;
        int Point::*Axis;
        double ClientLog::Place::*LogAxis;
        int HeldAt;
    };
    for (const Push push : {Push{"down", Edge::Bottom, &Point::Y, &ClientLog::Place::Y, area.Bottom - 1},
                            Push{"up", Edge::Top, &Point::Y, &ClientLog::Place::Y, area.Top},
                            Push{"left", Edge::Left, &Point::X, &ClientLog::Place::X, area.Left},
                            Push{"right", Edge::Right, &Point::X, &ClientLog::Place::X, area.Right - 1}}) {
        desktop->Pointer().Push(push.Towards);
        std::ostringstream seen;
        EXPECT_TRUE(WaitUntil(
            [&] {
                seen.str({});
                bool held = true;
                if (desktop->GivesPictures()) {
                    const auto shot = game.Grab();
                    const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
                    seen << "the mallet is at " << mallet.value_or(Box{-1, -1, -1, -1}) << "; ";
                    held = mallet && mallet->TopLeft().*push.Axis == push.HeldAt;
                }
                const ClientLog& log = *game.Log();
                const auto place = log.Pointer();
                seen << "the compositor " << (log.Confined() ? "holds" : "does not hold") << " the pointer, at "
                     << (place ? place->X : -1) << ", " << (place ? place->Y : -1);
                return held && log.Confined() && place &&
                       static_cast<int>(std::floor((*place).*push.LogAxis)) == push.HeldAt;
            },
            1s))
            << "pushed " << push.Name << ": " << seen.str();
    }
}

INSTANTIATE_TEST_SUITE_P(FromAClick, WaylandRally,
                         ::testing::Combine(::testing::ValuesIn(AllCompositors),
                                            ::testing::Values(GameFacts::RestingClick,
                                                              Point{GameFacts::RestingClick.X, 100})),
                         [](const auto& info) {
                             std::ostringstream name;
                             name << std::get<0>(info.param) << "_"
                                  << (GameFacts::PlayerArea.Contains(std::get<1>(info.param)) ? "InsideTheHalf"
                                                                                              : "AboveTheHalf");
                             return name.str();
                         });

}  // namespace
}  // namespace vork::testing
