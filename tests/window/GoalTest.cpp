#include <X11/cursorfont.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/Cover.h"
#include "tests/window/harness/CursorProbe.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"

namespace vork::testing {
namespace {

using Goal = WindowTest;

bool ShowsAll(GameSession& game, const std::vector<Point>& text) {
    const auto shot = game.Grab();
    return shot && CountPixels(*shot, GameFacts::Text, text) == static_cast<int>(text.size());
}

TEST_F(Goal, ScoresPausesAndResumesTheMatch) {
    const auto arrow = FontCursorPicture(desktop.X, XC_left_ptr);
    std::vector<Point> texts = SolidTextPixels(GameFacts::NextGame);
    const std::vector<Point> prompt = SolidTextPixels(GameFacts::ClickToStart);
    ASSERT_FALSE(texts.empty() || prompt.empty());
    texts.insert(texts.end(), prompt.begin(), prompt.end());

    StartRally();
    // The mallet rests where the click was; the puck soon gets past one side.
    const auto score = game.WaitForCaptionOtherThan("vorK", 60s);
    ASSERT_TRUE(score) << "no goal within 60 s";
    EXPECT_TRUE(*score == "Score  PLAYER-1 VS CPU-0" || *score == "Score  PLAYER-0 VS CPU-1") << *score;
    EXPECT_TRUE(WaitUntil([&] { return ShowsAll(game, texts); }, 1s))
        << "\"Next Game\" and \"Click to Start\" are not shown";
    EXPECT_TRUE(ShowsTheDrawnTable()) << "the last frame with the texts over it";
    {
        Cover cover(desktop.X, game.OnScreen());
        ASSERT_TRUE(cover.WaitUntilShown()) << "the cover never hid the game";
    }
    EXPECT_TRUE(ShowsTheDrawnTable()) << "after uncovering";
    if (arrow) {
        EXPECT_TRUE(WaitUntil([&] { return CurrentCursor(desktop.X) == arrow; }, 1s)) << "the pointer is not the arrow";
    }
    desktop.Input.MoveBy(-400, -400);
    EXPECT_TRUE(WaitUntil([&] { return game.Pointer().value_or(Point{}).Y < GameFacts::PlayerArea.Top; }, 1s))
        << "the pointer is still held, at " << game.Pointer().value_or(Point{-1, -1});

    game.ClickToPlay();
    EXPECT_TRUE(WaitUntil([&] { return !ShowsAll(game, texts); }, 2s)) << "the table was not redrawn";
    EXPECT_TRUE(game.WaitForPuck());
    EXPECT_EQ(game.Caption(), *score) << "resuming must keep the score";
}

}  // namespace
}  // namespace vork::testing
