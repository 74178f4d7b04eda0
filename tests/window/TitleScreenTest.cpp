#include <gtest/gtest.h>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/Cover.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

using TitleScreen = WindowTest;

constexpr Point ClientSizeExpected{GameFacts::ClientWidth, GameFacts::ClientHeight};

TEST_F(TitleScreen, WindowHasItsFixedSize) {
    EXPECT_EQ(ClientSize(desktop.X, game.Window()), ClientSizeExpected);
    const auto limits = SizeLimits(desktop.X, game.Window());
    ASSERT_TRUE(limits) << "no minimum and maximum size hints: a window manager would let it be resized";
    EXPECT_EQ(limits->first, ClientSizeExpected);
    EXPECT_EQ(limits->second, ClientSizeExpected);
}

TEST_F(TitleScreen, ShowsTheTitlePixelForPixel) {
    const platform::Image expected = TitlePicture();
    // The first frame may still be on its way.
    game.WaitForPicture(expected, 2s);
    const auto shot = game.Grab();
    ASSERT_TRUE(shot);
    const auto difference = ComparePictures(expected, *shot);
    EXPECT_FALSE(difference) << *difference;
}

TEST_F(TitleScreen, RepaintsWhatAnotherWindowCovered) {
    const platform::Image expected = TitlePicture();
    ASSERT_TRUE(game.WaitForPicture(expected, 2s));
    {
        Cover cover(desktop.X, game.OnScreen());
        ASSERT_TRUE(cover.WaitUntilShown()) << "the cover never hid the game";
    }
    game.WaitForPicture(expected, 2s);
    const auto shot = game.Grab();
    ASSERT_TRUE(shot);
    const auto difference = ComparePictures(expected, *shot);
    EXPECT_FALSE(difference) << "after uncovering: " << *difference;
}

}  // namespace
}  // namespace vork::testing
