#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/Screenshot.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandTitleScreen = WaylandTest;

TEST_F(WaylandTitleScreen, ShowsTheTitlePixelForPixelInAClientAreaOfItsSize) {
    const auto name = NameOfToplevel(game.Client());
    ASSERT_TRUE(name) << game.Client().Label;
    EXPECT_EQ(name->Title, GameFacts::TitleCaption);
    EXPECT_EQ(name->AppId, "vork") << "desktops match it to vork.desktop for the icon";
    EXPECT_EQ(game.Client().Area.Width(), GameFacts::ClientWidth);
    EXPECT_EQ(game.Client().Area.Height(), GameFacts::ClientHeight);

    const platform::Image expected = TitlePicture();
    game.WaitForPicture(expected, 2s);
    const auto shot = game.Grab();
    ASSERT_TRUE(shot);
    const auto difference = ComparePictures(expected, *shot);
    EXPECT_FALSE(difference) << *difference;
}

// weston draws no decorations: the title bar is the game's own (libdecor's),
// a strip of its colour with the caption on it. Not drawn, it shows the
// desktop through it, or one flat colour where weston thinks it opaque.
bool LooksDrawn(const platform::Image& strip) {
    const std::vector<platform::Rgb>& pixels = strip.Pixels();
    const auto count = static_cast<std::ptrdiff_t>(pixels.size());
    return std::count(pixels.begin(), pixels.end(), WestonServer::Background) < count / 2 &&
           std::count(pixels.begin(), pixels.end(), pixels.front()) < count;
}

TEST_F(WaylandTitleScreen, ShowsATitleBarWhileIdle) {
    ASSERT_TRUE(game.WaitForPicture(TitlePicture(), 2s));
    const auto bar = game.TitleBar();
    ASSERT_TRUE(bar) << "no decoration just above the client area";
    ASSERT_TRUE(bar->Area.Top >= 0 && bar->Area.Height() > 0) << "the bar is off the output, at " << bar->Area;
    // The pointer rests away from the window: nothing but the game's own
    // drawing may bring the bar onto the screen.
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto shot = TakeScreenshot(desktop.Weston);
            return shot && LooksDrawn(Crop(*shot, bar->Area));
        },
        2s))
        << "the title bar at " << bar->Area << " is not drawn";
}

}  // namespace
}  // namespace vork::testing
