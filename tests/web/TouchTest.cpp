#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/web/harness/BrowserSession.h"
#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"

namespace vork::testing {
namespace {

struct TouchScreen {
    const char* Name;
    const char* Size;  // held upright; empty: the desktop's own screen
    Engine Browser = Engine::Chromium;

    friend void PrintTo(const TouchScreen& screen, std::ostream* out) { *out << screen.Name; }
};

// The page on a phone's or a tablet's screen, emulated by the browser: touch
// only; or on the desktop's screen in Firefox, touched through its WebDriver
// BiDi, which cannot make the page a phone's.
class Touch : public ::testing::TestWithParam<TouchScreen> {
protected:
    void SetUp() override { page.WaitForTable(); }

    // Fingers down side by side, the second before the first lifts.
    void Tap(int fingers, Point at = GameFacts::RestingClick) {
        for (int finger = 0; finger < fingers; ++finger) page.Touch(finger, {at.X + 40 * finger, at.Y});
        for (int finger = 0; finger < fingers; ++finger) page.Lift(finger);
    }
    Point PlayerMallet() {
        const auto shot = page.Grab();
        return shot ? FindPlayerMallet(*shot).value_or(Box{}).TopLeft() : Point{};
    }
    // Finger 0 put at `at` until the mallet's top-left is drawn at `mallet`;
    // after a goal meanwhile, a tap for the next rally, and the finger again.
    bool Holds(Point at, Point mallet) {
        for (int rally = 0; rally < 3; ++rally) {
            const std::string score = page.Caption();
            page.Touch(0, at);
            if (WaitUntil([&] { return PlayerMallet() == mallet; }, 1s)) return true;
            if (page.Caption() == score) return false;
            page.Lift(0);
            Tap(1);
        }
        return false;
    }

    XDesktop desktop;
    BrowserSession page{desktop, {.Browser = GetParam().Browser, .Screen = GetParam().Size}};
};
class EmulatedTouch : public Touch {};

// The finger holds the mallet's middle.
Point UnderFinger(Point finger) { return {finger.X - GameFacts::SpriteSize / 2, finger.Y - GameFacts::SpriteSize / 2}; }

// A tap is the left click: the match, and after a goal the next rally. A
// finger puts the mallet under it; the rally keeps it in the player's half.
TEST_P(Touch, TapsPlayAndAFingerHoldsTheMallet) {
    Tap(1);
    ASSERT_TRUE(WaitForPuck([this] { return page.Grab(); }, 2s)) << "a tap started no match";
    EXPECT_EQ(PlayerMallet(), UnderFinger(GameFacts::RestingClick));
    EXPECT_FALSE(page.PointerLocked()) << "a touch locked the pointer";
    const Point rest{100, 250};
    ASSERT_TRUE(Holds(rest, UnderFinger(rest)));
    for (int grab = 0; grab < 10; ++grab) {
        ASSERT_TRUE(ShowsDrawnTable([this] { return page.Grab(); }, [this] { return page.Caption(); }, 1)) << grab;
        ASSERT_EQ(PlayerMallet(), UnderFinger(rest)) << "grab " << grab;
    }
    for (int step = 1; step <= 8; ++step) page.Touch(0, {rest.X + 10 * step, rest.Y - 5 * step});
    EXPECT_TRUE(Holds({180, 210}, UnderFinger({180, 210}))) << "a drag did not move the mallet";
    // Off the table, on the screen.
    const Box area = GameFacts::PlayerArea;
    EXPECT_TRUE(Holds({60, -8}, {48, area.Top})) << "off the top";
    EXPECT_TRUE(Holds({-10, 240}, {area.Left, 228})) << "off the left";
    EXPECT_TRUE(Holds({250, 350}, {area.Right - 1, area.Bottom - 1})) << "off the bottom right";

    // A finger resting through the goal, however still, is no tap when it
    // lifts. In a corner, off the puck's way to the goal.
    page.Lift(0);
    page.Touch(0, {20, 320});
    const Clock::time_point touched = Clock::now();
    const std::string title = page.Caption();
    ASSERT_TRUE(WaitUntil([&] { return page.Caption() != title; }, 60s, 50ms)) << "no goal in 60 s";
    const std::vector<Point> nextGame = SolidTextPixels(GameFacts::NextGame);
    const auto between = [&] {
        const auto shot = page.Grab();
        return shot && CountPixels(*shot, GameFacts::Text, nextGame) == static_cast<int>(nextGame.size());
    };
    ASSERT_TRUE(WaitUntil(between, 1s)) << "no \"Next Game\" after the goal";
    std::this_thread::sleep_until(touched + 600ms);
    page.Lift(0);
    EXPECT_FALSE(WaitUntil([&] { return !between(); }, 300ms)) << "the finger's lift started the next rally";
    Tap(1);
    EXPECT_TRUE(WaitUntil([&] { return !between(); }, 2s)) << "a tap did not start the next rally";
    EXPECT_EQ(page.Ask("problems"), "");
}

// Screen pixels between two boxes apart, or how far they overlap, negative.
int Apart(const Box& a, const Box& b) {
    return std::max({a.Left - b.Right, b.Left - a.Right, a.Top - b.Bottom, b.Top - a.Bottom});
}

// A pinch neither zooms nor scrolls the page; two fingers tapped together
// play two pucks.
TEST_P(Touch, APinchNeitherZoomsNorScrollsAndTwoFingersPlayTwoPucks) {
    for (int step = 0; step <= 10; ++step) {
        page.Touch(0, {100 - 8 * step, 150 - 8 * step});
        page.Touch(1, {140 + 8 * step, 200 + 8 * step});
    }
    page.Lift(0);
    page.Lift(1);
    EXPECT_EQ(page.Ask("view"), "1 0 0") << "zoom, left, top";

    Tap(2);
    ASSERT_TRUE(WaitForPuck([this] { return page.Grab(); }, 2s)) << "a tap started no match";
    EXPECT_TRUE(ShowsDrawnTable([this] { return page.Grab(); }, [this] { return page.Caption(); }, 2));
}

// Upright and turned: the table at the largest whole scale that fits, each
// pixel a sharp block of whole screen pixels, the caption and the status
// line on the screen just by it, beside it when turned.
TEST_P(EmulatedTouch, FitsTheTableEitherWayUp) {
    for (const bool turned : {false, true}) {
        if (turned) page.Ask("turn");
        int width = 0, height = 0;
        std::istringstream(page.Ask("layout")) >> width >> height;
        const int scale = std::min(width / GameFacts::ClientWidth, height / GameFacts::ClientHeight);
        EXPECT_TRUE(WaitUntil(
            [&] {
                const auto shot = page.Shot();
                const auto shrunk = shot && shot->Width() == scale * GameFacts::ClientWidth ? Shrunk(*shot, scale) : std::nullopt;
                const auto picture = page.Grab();
                return shrunk && picture && !ComparePictures(*picture, *shrunk);
            },
            2s))
            << "turned " << turned << ": not the table at " << scale << " screen pixels a pixel";
        std::istringstream layout(page.Ask("layout"));
        Box table, caption, status;
        layout >> width >> height;
        for (Box* box : {&table, &caption, &status}) layout >> box->Left >> box->Top >> box->Right >> box->Bottom;
        for (const Box& line : {caption, status}) {
            EXPECT_TRUE(Apart(line, table) >= 0 && Apart(line, table) <= 32 && line.Left >= 0 && line.Top >= 0 &&
                        line.Right <= width && line.Bottom <= height && (line.Left >= table.Right) == turned)
                << "turned " << turned << ": line " << line << ", table " << table;
        }
    }
}

constexpr TouchScreen Phone{"Phone", "390x844@3"};
constexpr TouchScreen Tablet{"Tablet", "820x1180@2"};
const auto ScreenName = [](const auto& screen) { return std::string(screen.param.Name); };
INSTANTIATE_TEST_SUITE_P(Screens, Touch, ::testing::Values(Phone, Tablet, TouchScreen{"Firefox", "", Engine::Firefox}),
                         ScreenName);
INSTANTIATE_TEST_SUITE_P(Screens, EmulatedTouch, ::testing::Values(Phone, Tablet), ScreenName);

}  // namespace
}  // namespace vork::testing
