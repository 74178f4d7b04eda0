#include <gtest/gtest.h>

#include "tests/window/WindowTest.h"
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
    const platform::Image expected = TitlePicture();
    // The first frame may still be on its way.
    game.WaitForPicture(expected, 2s);
    const auto shot = game.Grab();
    ASSERT_TRUE(shot);
    const auto difference = ComparePictures(expected, *shot);
    ASSERT_FALSE(difference) << *difference;
    EXPECT_TRUE(SaveScreenshot(*shot, "title"));
}

TEST_F(TitleScreen, RepaintsWhatAnotherWindowCovered) {
    const platform::Image expected = TitlePicture();
    ASSERT_TRUE(game.WaitForPicture(expected, 2s));
    const auto origin = ClientOrigin(desktop.X, game.Window());
    ASSERT_TRUE(origin);

    Display* display = desktop.X.Get();
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    const ::Window cover = XCreateWindow(display, desktop.X.Root(), origin->X, origin->Y, GameFacts::ClientWidth,
                                         GameFacts::ClientHeight, 0, CopyFromParent, InputOutput, CopyFromParent,
                                         CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(display, cover);
    desktop.X.Sync();
    const Box onScreen{origin->X, origin->Y, origin->X + GameFacts::ClientWidth, origin->Y + GameFacts::ClientHeight};
    const platform::Image black(GameFacts::ClientWidth, GameFacts::ClientHeight, {0, 0, 0});
    EXPECT_TRUE(WaitUntil(
        [&] {
            auto shot = GrabArea(desktop.X, desktop.X.Root(), onScreen);
            return shot && *shot == black;
        },
        2s))
        << "the cover never hid the game";

    XDestroyWindow(display, cover);
    desktop.X.Sync();
    game.WaitForPicture(expected, 2s);
    const auto shot = game.Grab();
    ASSERT_TRUE(shot);
    const auto difference = ComparePictures(expected, *shot);
    EXPECT_FALSE(difference) << "after uncovering: " << *difference;
}

}  // namespace
}  // namespace vork::testing
