// The game as a citizen of an X11 desktop: its class and window manager
// hints, a dense screen, the screensaver, and pointers that move absolutely.
#include <gtest/gtest.h>

#include <optional>

#include "tests/window/PictureAssertions.h"
#include "tests/window/WindowTest.h"
#include "tests/window/harness/DesktopSettings.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/FakeMotion.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

using Desktop = WindowTest;

TEST_F(Desktop, NamesItsClassAndOffersOnlyToMoveAndClose) {
    const std::string appId(GameFacts::AppId);
    EXPECT_EQ(WindowClass(desktop.X, game.Window()), std::pair(appId, appId))
        << "docks match the window to its desktop entry by its class";
    const auto hints = MotifHints(desktop.X, game.Window());
    ASSERT_TRUE(hints && hints->size() >= 3) << "no Motif hints: window managers offer every button";
    constexpr long Functions = 1, Decorations = 2, Move = 4, Close = 32, MinimiseBox = 32, MaximiseBox = 64;
    EXPECT_EQ((*hints)[0] & (Functions | Decorations), Functions | Decorations);
    EXPECT_EQ((*hints)[1], Move | Close);
    EXPECT_EQ((*hints)[2] & (MinimiseBox | MaximiseBox), 0);
}

// A player who walks away from the title gets the screensaver; one in a
// rally is not interrupted by it.
TEST_F(Desktop, ScreenSaverComesOnOverTheIdleTitleButNotInARally) {
    SetScreenSaverTimeout(desktop.X, 1);
    EXPECT_TRUE(WaitUntil([&] { return ScreenSaverShowing(desktop.X); }, 5s)) << "the title holds the screensaver off";

    StartRally();
    ASSERT_FALSE(ScreenSaverShowing(desktop.X)) << "input ends the screensaver";
    // Three seconds of rally, resumed after each goal, without a touch of
    // the mouse but for the resuming clicks.
    for (Clock::time_point end = Clock::now() + 3s; Clock::now() < end;) {
        const std::string caption = game.Caption();
        ASSERT_FALSE(ScreenSaverShowing(desktop.X)) << "the screensaver came on during a rally";
        std::this_thread::sleep_for(100ms);
        if (game.Caption() != caption) {
            StartRally();
        }
    }
}

TEST_F(Desktop, AbsoluteMovesStayInTheWindowAndTheMalletInItsHalf) {
    StartRally();
    const Box screen = game.OnScreen();
    // Tablets and remote desktops place the pointer at absolute positions.
    for (const Point far : {Point{1, 1}, Point{1000, 760}, Point{screen.Left + 120, 2}}) {
        FakeMotion(desktop.X, far);
        EXPECT_TRUE(WaitUntil(
            [&] {
                const auto pointer = game.Pointer();
                const auto shot = game.Grab();
                const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
                return pointer && pointer->X >= 0 && pointer->Y >= 0 && pointer->X < GameFacts::ClientWidth &&
                       pointer->Y < GameFacts::ClientHeight && mallet &&
                       GameFacts::PlayerArea.Contains(mallet->TopLeft());
            },
            1s))
            << "after a move to " << far << ", the pointer is at " << game.Pointer().value_or(Point{-1, -1});
    }
}

// Xft.dpi 192, as GNOME and KDE set it at 200%.
class DenseScreen : public ::testing::Test {
protected:
    void SetUp() override {
        SetResources(desktop.X, "Xft.dpi:\t192\n");
        game.emplace(desktop);
        ASSERT_TRUE(game->WaitForWindow());
    }

    XDesktop desktop;
    std::optional<GameSession> game;
};

TEST_F(DenseScreen, ShowsTheTableTwiceAsLargeAndCrisp) {
    EXPECT_EQ(ClientSize(desktop.X, game->Window()), (Point{2 * GameFacts::ClientWidth, 2 * GameFacts::ClientHeight}));
    EXPECT_TRUE(ComesToShow(
        [&]() -> std::optional<platform::Image> {
            const auto shot = game->Grab();
            return shot ? Shrunk(*shot, 2) : std::nullopt;
        },
        TitlePicture(), 2s));
}

TEST_F(DenseScreen, HoldsThePointerInTwiceTheArea) {
    game->ClickToPlay({2 * GameFacts::RestingClick.X, 2 * GameFacts::RestingClick.Y});
    ASSERT_TRUE(game->WaitForPuck());
    const Box& area = GameFacts::PlayerArea;
    desktop.Input.MoveBy(900, 900);
    EXPECT_TRUE(WaitUntil([&] { return game->Pointer() == Point{2 * area.Right - 1, 2 * area.Bottom - 1}; }, 1s))
        << "pointer at " << game->Pointer().value_or(Point{-1, -1});
    desktop.Input.MoveBy(-900, -900);
    EXPECT_TRUE(WaitUntil([&] { return game->Pointer() == Point{2 * area.Left, 2 * area.Top}; }, 1s))
        << "pointer at " << game->Pointer().value_or(Point{-1, -1});
}

}  // namespace
}  // namespace vork::testing
