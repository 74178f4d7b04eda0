#include <gtest/gtest.h>

#include "tests/window/PictureAssertions.h"
#include "tests/window/WindowTest.h"
#include "tests/window/harness/Cover.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/Screenshots.h"
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
    ASSERT_TRUE(ComesToShow([this] { return game.Grab(); }, TitlePicture(), 2s));
    EXPECT_TRUE(SaveScreenshot(*game.Grab(), "title"));
}

TEST_F(TitleScreen, RepaintsWhatAnotherWindowCovered) {
    const platform::Image expected = TitlePicture();
    ASSERT_TRUE(game.WaitForPicture(expected, 2s));
    {
        Cover cover(desktop.X, game.OnScreen());
        ASSERT_TRUE(cover.WaitUntilShown()) << "the cover never hid the game";
    }
    EXPECT_TRUE(ComesToShow([this] { return game.Grab(); }, expected, 2s)) << "after uncovering";
}

}  // namespace
}  // namespace vork::testing
