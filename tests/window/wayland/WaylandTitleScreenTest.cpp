#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/OtherWindow.h"
#include "tests/window/harness/ProcessStats.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandTitleScreen = WaylandTest;

// On the compositors that give pictures (Mutter gives none without a
// screen cast service); only weston's scene graph says the window's name.
TEST_P(WaylandTitleScreen, ShowsTheTitlePixelForPixelInAClientAreaOfItsSize) {
    if (compositor == Compositor::Weston) {
        const auto name = NameOfToplevel(game.Client());
        ASSERT_TRUE(name) << game.Client().Label;
        EXPECT_EQ(name->Title, GameFacts::TitleCaption);
        EXPECT_EQ(name->AppId, GameFacts::AppId) << "desktops match it to the desktop entry for the icon";
    }
    EXPECT_EQ(game.Client().Area.Width(), GameFacts::ClientWidth);
    EXPECT_EQ(game.Client().Area.Height(), GameFacts::ClientHeight);
    EXPECT_TRUE(ComesToShow([this] { return game.Grab(); }, TitlePicture(), 2s));
}

// weston draws no decorations: the title bar is the game's own (libdecor's),
// a strip of its colour with the caption on it. Where it is not drawn the
// desktop shows through, or one flat colour where weston takes it as opaque.
bool LooksDrawn(const platform::Image& strip) {
    const std::vector<platform::Rgb>& pixels = strip.Pixels();
    return std::count(pixels.begin(), pixels.end(), WestonServer::Background) == 0 &&
           std::count(pixels.begin(), pixels.end(), pixels.front()) < static_cast<std::ptrdiff_t>(pixels.size());
}

INSTANTIATE_TEST_SUITE_P(On, WaylandTitleScreen, ::testing::Values(Compositor::Weston, Compositor::KWin),
                         CompositorName);

using WaylandPresent = WaylandTest;

// The picture reaches the compositor in shared memory: no GL driver (Mesa's
// software one costs a hundred megabytes) is loaded just to copy it. The
// window is shown, so its first picture has gone out.
TEST_P(WaylandPresent, ShowsTheTitleWithoutLoadingGl) {
    for (const std::string& file : MappedFiles(game.Process().Pid())) {
        const std::string name = file.substr(file.rfind('/') + 1);
        for (const char* gl : {"libGL", "libEGL", "_dri.so", "libLLVM", "libvulkan"}) {
            EXPECT_EQ(name.find(gl), std::string::npos) << "the game has mapped " << file;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(On, WaylandPresent, ::testing::ValuesIn(AllCompositors), CompositorName);

using WaylandTitleBar = WaylandTest;

TEST_P(WaylandTitleBar, ShowsItsTitleBarWhileIdle) {
    ASSERT_TRUE(game.WaitForPicture(TitlePicture(), 2s));
    const auto bar = game.TitleBar();
    ASSERT_TRUE(bar) << "no decoration just above the client area";
    ASSERT_TRUE(bar->Area.Top >= 0 && bar->Area.Height() > 0) << "the bar is off the output, at " << bar->Area;
    // The pointer rests away from the window: only the game's own drawing
    // may bring the bar onto the screen.
    const auto barDrawn = [&] {
        return WaitUntil(
            [&] {
                const auto shot = desktop->Capture(bar->Area);
                return shot && LooksDrawn(*shot);
            },
            2s);
    };
    EXPECT_TRUE(barDrawn()) << "the title bar at " << bar->Area << " is not drawn";

    // Losing and regaining the focus redraws the decorations while the game
    // itself has nothing new to show.
    OtherWindow other(dynamic_cast<WestonDesktop&>(*desktop).Weston);
    ASSERT_TRUE(other.WaitUntilShown()) << "weston-simple-shm did not open";
    ASSERT_TRUE(other.Close());
    // Time for the game to take the focus back and answer it, so a bar about
    // to be spoilt does not pass for drawn.
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(barDrawn()) << "after another window came and went, the title bar at " << bar->Area << " is not drawn";
}

INSTANTIATE_TEST_SUITE_P(On, WaylandTitleBar, ::testing::Values(Compositor::Weston), CompositorName);

}  // namespace
}  // namespace vork::testing
