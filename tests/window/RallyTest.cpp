#include <X11/cursorfont.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/Cover.h"
#include "tests/window/harness/CursorProbe.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/Screenshots.h"

namespace vork::testing {
namespace {

using Rally = WindowTest;

// Where the mallet rests while the serve runs: to the right of the puck's
// diagonal from (0, 150), which reaches the bottom wall at x 161 first.
constexpr Point OutOfTheServesWay{200, 290};

// The puck's place in successive screenshots, while it is still on its
// serve: before it reaches the bottom wall. It is read from the puck's left
// and bottom edges, which nothing covers then: the centre line hides its top
// rows early on. A second and a half of it, so that a test started late on a
// loaded machine still sees most of the way.
std::vector<Point> ServePath(GameSession& game) {
    constexpr int StillServingLeft = 150;
    std::vector<Point> path;
    WaitUntil(
        [&] {
            const auto shot = game.Grab();
            if (!shot) {
                return true;
            }
            const std::vector<Box> pucks = FindPucks(*shot);
            EXPECT_EQ(pucks.size(), 1u) << "a plain click serves one puck";
            if (pucks.size() != 1 || pucks[0].Left >= StillServingLeft) {
                return true;
            }
            const Point place{pucks[0].Left, pucks[0].Bottom - GameFacts::SpriteSize};
            if (path.empty() || path.back() != place) {
                path.push_back(place);
            }
            return false;
        },
        3s, 1ms);
    return path;
}

TEST_F(Rally, PuckTravelsDiagonallyFromItsServe) {
    game.ClickToPlay(OutOfTheServesWay);
    ASSERT_TRUE(game.WaitForPuck());
    const std::vector<Point> path = ServePath(game);
    ASSERT_GE(path.size(), 4u) << "too few distinct puck positions seen before it reached the wall";
    for (std::size_t i = 0; i < path.size(); ++i) {
        // Served from (0, 150): everywhere on its way down the same diagonal.
        EXPECT_EQ(path[i].Y - path[i].X, 150) << "at shot " << i << ", puck at " << path[i];
        if (i > 0) {
            EXPECT_GT(path[i].X, path[i - 1].X) << "from " << path[i - 1] << " to " << path[i];
        }
    }
}

// What reaches the screen is only what changed from frame to frame: any
// pixel left behind, or left out after the window was hidden, shows here.
TEST_F(Rally, ShowsEveryFrameAsTheGameDrawsItEvenAfterBeingCovered) {
    StartRally();
    for (int shot = 0; shot < 20; ++shot) {
        ASSERT_TRUE(ShowsTheDrawnTable()) << "shot " << shot;
    }
    {
        Cover cover(desktop.X, game.OnScreen());
        ASSERT_TRUE(cover.WaitUntilShown()) << "the cover never hid the game";
    }
    EXPECT_TRUE(ShowsTheDrawnTable()) << "after uncovering";
}

TEST_F(Rally, HoldsThePointerInThePlayersHalf) {
    StartRally();
    EXPECT_TRUE(HoldsThePointerInThePlayersHalf());
}

TEST_F(Rally, ShowsACrossHair) {
    // The cursor font has three cross-hairs; toolkits differ in which they pick.
    std::vector<CursorPicture> crossHairs;
    for (unsigned shape : {XC_crosshair, XC_tcross, XC_cross}) {
        if (auto picture = FontCursorPicture(desktop.X, shape)) {
            crossHairs.push_back(*picture);
        }
    }
    const auto arrow = FontCursorPicture(desktop.X, XC_left_ptr);
    ASSERT_TRUE(arrow && crossHairs.size() == 3) << "the server gives no cursor images";
    ASSERT_EQ(std::count(crossHairs.begin(), crossHairs.end(), *arrow), 0);
    StartRally();
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto shown = CurrentCursor(desktop.X);
            return shown && std::count(crossHairs.begin(), crossHairs.end(), *shown) > 0;
        },
        1s));
}

TEST_F(Rally, ShiftClickServesTwoPucks) {
    game.ClickToPlay(GameFacts::RestingClick, true);
    std::size_t most = 0;
    std::optional<platform::Image> twoPucks;
    ASSERT_TRUE(WaitUntil(
        [&] {
            auto shot = game.Grab();
            most = shot ? std::max(most, FindPucks(*shot).size()) : most;
            if (most == 2) {
                twoPucks = std::move(shot);
            }
            return most == 2;
        },
        2s, 1ms))
        << "at most " << most << " pucks seen";
    EXPECT_TRUE(SaveScreenshot(*twoPucks, "rally"));
}

}  // namespace
}  // namespace vork::testing
