#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>

#include "tests/wine/WineTest.h"
#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/Cover.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

using WindowsGame = WineTest;

TEST_F(WindowsGame, ShowsTheTitlePixelForPixelInAFixedFrameWithOnlyACloseBox) {
    // The client area is found inside the frame Wine draws by its size: one
    // of any other size would not show the title where it is looked for.
    EXPECT_TRUE(ComesToShow([this] { return game.Grab(); }, TitlePicture(), 5s));
    // Wine tells X what the window's style offers in the Motif hints:
    // functions move (4) and close (32), but no resize (2), minimise (8) or
    // maximise (16).
    const auto hints = MotifHints(desktop.X, game.Window());
    ASSERT_TRUE(hints && hints->size() >= 2);
    EXPECT_EQ((*hints)[1], 4 | 32);
}

// Every frame as the game draws it, and the goal's picture with its texts in
// the desktop's own lettering.
TEST_F(WindowsGame, ShowsEveryFrameOfARallyAndItsGoalAsTheGameDrawsThem) {
    StartRally();
    for (int shot = 0; shot < 20; ++shot) {
        ASSERT_TRUE(ShowsTheDrawnTable()) << "shot " << shot;
    }
    ASSERT_TRUE(game.WaitForCaptionOtherThan(std::string(GameFacts::TitleCaption), 60s)) << "no goal in 60 s";
    EXPECT_TRUE(ShowsTheDrawnTable());
}

TEST_F(WindowsGame, HoldsThePointerInThePlayersHalf) {
    StartRally();
    EXPECT_TRUE(HoldsThePointerInThePlayersHalf());
}

// Pushes the pointer by `by` until `reached` holds: the game lets go of the
// hold, or takes it up again, once Wine has told it of the focus change, a
// frame or so after X did (on a loaded machine, up to a second or two).
template <typename Reached>
bool PushedUntil(Xdotool& input, Point by, Reached&& reached) {
    return WaitUntil(
        [&] {
            input.MoveBy(by.X, by.Y);
            return reached();
        },
        3s, 20ms);
}

// Windows drops the hold when the window loses the focus (Alt+Tab, or a
// click elsewhere); it must be back when the window has it again. A goal
// during the test ends the rally, and with it the hold: then the test is
// played again in the next rally.
TEST_F(WindowsGame, HoldsThePointerAgainWhenTheFocusComesBack) {
    const Point bottomRight{GameFacts::PlayerArea.Right - 1, GameFacts::PlayerArea.Bottom - 1};
    for (int rally = 1; rally <= 3; ++rally) {
        StartRally();
        const std::string caption = game.Caption();
        bool freed = false;
        {
            Cover other(desktop.X, {0, 0, 100, 100});
            ASSERT_TRUE(other.WaitUntilShown());
            desktop.Input.Focus(other.Get());
            freed = PushedUntil(desktop.Input, {-1000, -1000}, [&] { return PointerOnScreen(desktop.X) == Point{0, 0}; });
        }
        // Back as Alt+Tab brings it, with no button held.
        desktop.Input.Focus(game.Window());
        const bool heldAgain = PushedUntil(desktop.Input, {500, 500}, [&] { return game.Pointer() == bottomRight; });
        if (game.Caption() == caption) {
            EXPECT_TRUE(freed) << "the hold stayed while another window had the focus";
            EXPECT_TRUE(heldAgain) << "after the focus came back the pointer is at "
                                   << game.Pointer().value_or(Point{-1, -1});
            return;
        }
    }
    FAIL() << "three rallies in a row ended before the test did";
}

TEST_F(WindowsGame, RightClickInARallyEndsIt) {
    StartRally();
    desktop.Input.Click(3);
    EXPECT_EQ(game.Process().ProblemWithEnd(5s), std::nullopt);
}

TEST_F(WindowsGame, CloseBoxEndsIt) {
    // Wine draws the frame: the close box is the title bar's last square.
    const Box client = game.InWindow();
    const int titleBar = client.Top - client.Left;
    desktop.Input.MoveTo(game.Window(), client.Right - titleBar / 2 - 2, client.Left + titleBar / 2);
    desktop.Input.Click(1);
    EXPECT_EQ(game.Process().ProblemWithEnd(5s), std::nullopt);
}

// Windows at 200 %: the prefix's user's screen at 192 dpi while the game
// runs, and back at 96 after it. The change takes effect with the next
// Wine session.
struct At192Dpi {
    At192Dpi() { SetDpi(192); }
    ~At192Dpi() { SetDpi(96); }
    At192Dpi(const At192Dpi&) = delete;
    At192Dpi& operator=(const At192Dpi&) = delete;

    static void SetDpi(int dpi) {
        wine::Run({"reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                   std::to_string(dpi), "/f"},
                  30s);
        wine::EndSession();
    }
};

class WindowsGameOnADenseScreen : private At192Dpi, public WineTest {};

TEST_F(WindowsGameOnADenseScreen, ShowsTheTableTwiceAsLargeAndCrisp) {
    EXPECT_EQ(game.InWindow().Width(), 2 * GameFacts::ClientWidth);
    EXPECT_EQ(game.InWindow().Height(), 2 * GameFacts::ClientHeight);
    EXPECT_TRUE(ComesToShow(
        [&]() -> std::optional<platform::Image> {
            const auto shot = game.Grab();
            return shot ? Shrunk(*shot, 2) : std::nullopt;
        },
        TitlePicture(), 5s));
}

// Started from a console (vork_console_host, which passes on a Ctrl+C or
// ends the session when it gets SIGINT, and exits with the game's status).
class WindowsGameFromAConsole : public WineTest {
protected:
    explicit WindowsGameFromAConsole(const char* onCtrlC)
        : WineTest(wine::Under({WindowsBuild("vork_console_host.exe"), onCtrlC, WindowsBuild("vork.exe")})) {}
};

class CtrlC : public WindowsGameFromAConsole {
protected:
    CtrlC() : WindowsGameFromAConsole("ctrl-c") {}
};

TEST_F(CtrlC, InTheConsoleEndsARally) {
    StartRally();
    game.Process().SendSignal(SIGINT);
    EXPECT_EQ(game.Process().ProblemWithEnd(5s), std::nullopt);
}

class SessionEnd : public WindowsGameFromAConsole {
protected:
    SessionEnd() : WindowsGameFromAConsole("end-session") {}
};

TEST_F(SessionEnd, EndsTheGameOnItsTitle) {
    ASSERT_TRUE(ComesToShow([this] { return game.Grab(); }, TitlePicture(), 5s));
    game.Process().SendSignal(SIGINT);
    EXPECT_EQ(game.Process().ProblemWithEnd(5s), std::nullopt);
}

}  // namespace
}  // namespace vork::testing
