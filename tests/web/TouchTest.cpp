#include <gtest/gtest.h>

#include <cmath>
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
    int Width;  // page pixels, held upright
    int Height;
    int Ratio;  // screen pixels per page pixel

    friend void PrintTo(const TouchScreen& screen, std::ostream* out) { *out << screen.Name; }
};

// A phone's screen and a tablet's, emulated by the browser: touch only.
class Touch : public ::testing::TestWithParam<TouchScreen> {
protected:
    void SetUp() override { page.WaitForTable(); }

    static std::string Emulated(const TouchScreen& screen) {
        return std::to_string(screen.Width) + "x" + std::to_string(screen.Height) + "@" + std::to_string(screen.Ratio);
    }
    auto Caption() {
        return [this] { return page.Caption(); };
    }
    auto Grab() {
        return [this] { return page.Grab(); };
    }
    // Fingers down side by side, the second before the first lifts.
    void Tap(int fingers, Point at = GameFacts::RestingClick) {
        for (int finger = 0; finger < fingers; ++finger) page.Touch(finger, {at.X + 40 * finger, at.Y});
        for (int finger = 0; finger < fingers; ++finger) page.Lift(finger);
    }
    Box PlayerMallet() {
        const auto shot = page.Grab();
        return shot ? FindPlayerMallet(*shot).value_or(Box{}) : Box{};
    }
    // The mallet's middle is under the finger.
    static Box MalletAt(Point topLeft) {
        return {topLeft.X, topLeft.Y, topLeft.X + GameFacts::SpriteSize, topLeft.Y + GameFacts::SpriteSize};
    }
    static Point UnderFinger(Point finger) {
        return {finger.X - GameFacts::SpriteSize / 2, finger.Y - GameFacts::SpriteSize / 2};
    }
    // The finger put at `at`, until the mallet is drawn with its top-left at
    // `mallet`. A goal meanwhile stops the mallet; then the finger lifts, a
    // tap starts the next rally and the finger is put there again.
    ::testing::AssertionResult Holds(Point at, Point mallet) {
        for (int rally = 0; rally < 3; ++rally) {
            const std::string score = page.Caption();
            page.Touch(0, at);
            if (WaitUntil([&] { return PlayerMallet() == MalletAt(mallet); }, 1s)) {
                return ::testing::AssertionSuccess();
            }
            if (page.Caption() == score) {
                return ::testing::AssertionFailure() << "finger at " << at << ", mallet at " << PlayerMallet();
            }
            page.Lift(0);
            Tap(1);
        }
        return ::testing::AssertionFailure() << "every rally ended too soon";
    }

    XDesktop desktop;
    BrowserSession page{desktop, {.Screen = Emulated(GetParam())}};
};

// Two fingers down together are a click with Shift: two pucks.
TEST_P(Touch, ATwoFingerTapPlaysTwoPucks) {
    Tap(2);
    ASSERT_TRUE(WaitForPuck(Grab(), 2s)) << "no puck on the table within 2 s of the tap";
    EXPECT_TRUE(ShowsDrawnTable(Grab(), Caption(), 2));
}

// A tap is the left click: it starts the match, and after a goal the next
// rally. A finger puts the mallet's middle under it; the rally keeps the
// mallet in the player's half, whether the finger leaves the table or not.
TEST_P(Touch, TapsPlayAndAFingerHoldsTheMallet) {
    Tap(1);
    ASSERT_TRUE(WaitForPuck(Grab(), 2s)) << "no puck on the table within 2 s of the tap";
    EXPECT_EQ(PlayerMallet(), MalletAt(UnderFinger(GameFacts::RestingClick)));
    EXPECT_FALSE(page.PointerLocked()) << "a touch locked the pointer";
    const Point rest{100, 250};
    ASSERT_TRUE(Holds(rest, UnderFinger(rest)));
    for (int grab = 0; grab < 10; ++grab) {
        ASSERT_TRUE(ShowsDrawnTable(Grab(), Caption(), 1)) << "grab " << grab;
        ASSERT_EQ(PlayerMallet(), MalletAt(UnderFinger(rest))) << "grab " << grab;
    }
    for (int step = 1; step <= 8; ++step) page.Touch(0, {rest.X + 10 * step, rest.Y - 5 * step});
    EXPECT_TRUE(Holds({180, 210}, UnderFinger({180, 210}))) << "a drag did not move the mallet";
    // Off the table, still on the screen.
    const Box area = GameFacts::PlayerArea;
    EXPECT_TRUE(Holds({60, -8}, {48, area.Top})) << "off the table's top";
    EXPECT_TRUE(Holds({-10, 240}, {area.Left, 228})) << "off the table's left";
    EXPECT_TRUE(Holds({250, 350}, {area.Right - 1, area.Bottom - 1})) << "off the table's bottom right";

    // A finger that rested through the goal, however still, is no tap when it lifts.
    page.Lift(0);
    page.Touch(0, rest);
    const Clock::time_point touched = Clock::now();
    const std::string title = page.Caption();
    ASSERT_TRUE(WaitUntil([&] { return page.Caption() != title; }, 60s, 50ms)) << "no goal in 60 s";
    const std::string score = page.Caption();
    const std::vector<Point> nextGame = SolidTextPixels(GameFacts::NextGame);
    const auto showsNextGame = [&] {
        const auto shot = page.Grab();
        return shot && CountPixels(*shot, GameFacts::Text, nextGame) == static_cast<int>(nextGame.size());
    };
    ASSERT_TRUE(WaitUntil(showsNextGame, 1s)) << "no \"Next Game\" after the goal";
    std::this_thread::sleep_until(touched + 600ms);  // a goal may come at once
    page.Lift(0);
    EXPECT_FALSE(WaitUntil([&] { return !showsNextGame(); }, 300ms)) << "the finger's lift started the next rally";
    Tap(1);
    EXPECT_TRUE(WaitUntil([&] { return !showsNextGame(); }, 2s)) << "a tap did not start the next rally";
    EXPECT_EQ(page.Caption(), score);
    EXPECT_EQ(page.Ask("problems"), "") << "the page reported errors";
}

struct Layout {
    double Ratio = 0;
    double Width = 0;
    double Height = 0;
    Box Table;
    Box CaptionLine;
    Box StatusLine;
};

// The page's layout, in screen pixels.
Layout LayoutOf(BrowserSession& page) {
    std::istringstream answer(page.Ask("layout"));
    Layout layout;
    answer >> layout.Ratio >> layout.Width >> layout.Height;
    for (Box* box : {&layout.Table, &layout.CaptionLine, &layout.StatusLine}) {
        double left = 0, top = 0, right = 0, bottom = 0;
        answer >> left >> top >> right >> bottom;
        const auto screen = [&](double v) { return static_cast<int>(std::lround(v * layout.Ratio)); };
        *box = {screen(left), screen(top), screen(right), screen(bottom)};
    }
    layout.Width *= layout.Ratio;
    layout.Height *= layout.Ratio;
    return layout;
}

bool Inside(const Box& box, const Layout& layout) {
    return box.Left >= 0 && box.Top >= 0 && box.Right <= layout.Width && box.Bottom <= layout.Height;
}

// The table at the largest whole scale that fits the screen, each picture
// pixel a sharp block of whole screen pixels; the caption and the status
// line just above and below it, or beside it when the screen is turned.
// Nothing a finger does scrolls or zooms the page.
TEST_P(Touch, FitsTheTableSharplyEitherWayUpAndNeverZooms) {
    EXPECT_NE(page.Ask("hint"), "none") << "no word of the taps below the table";
    for (const bool turned : {false, true}) {
        if (turned) page.Ask("turn");
        const Layout before = LayoutOf(page);
        const int scale = static_cast<int>(
            std::floor(std::min(before.Width / GameFacts::ClientWidth, before.Height / GameFacts::ClientHeight)));
        std::optional<platform::Image> shrunk;
        ASSERT_TRUE(WaitUntil(
            [&] {
                const auto shot = page.Shot();
                const auto picture = page.Grab();
                shrunk = shot && shot->Width() == scale * GameFacts::ClientWidth ? Shrunk(*shot, scale) : std::nullopt;
                return shrunk && picture && !ComparePictures(*picture, *shrunk);
            },
            2s))
            << (turned ? "turned: " : "") << "not the table at " << scale << " screen pixels a pixel, sharp";
        const Layout layout = LayoutOf(page);
        const Box table = layout.Table;
        EXPECT_EQ(table.Width(), scale * GameFacts::ClientWidth);
        EXPECT_TRUE(Inside(table, layout) && Inside(layout.CaptionLine, layout) && Inside(layout.StatusLine, layout))
            << "table " << table << ", caption " << layout.CaptionLine << ", status " << layout.StatusLine;
        const int near = static_cast<int>(16 * before.Ratio);
        if (turned) {
            for (const Box& line : {layout.CaptionLine, layout.StatusLine}) {
                EXPECT_TRUE(line.Left >= table.Right && line.Left - table.Right <= near && line.Top >= table.Top &&
                            line.Bottom <= table.Bottom)
                    << "not beside the table: " << line << ", table " << table;
            }
        } else {
            EXPECT_TRUE(layout.CaptionLine.Bottom <= table.Top && table.Top - layout.CaptionLine.Bottom <= near)
                << "caption " << layout.CaptionLine << ", table " << table;
            EXPECT_TRUE(layout.StatusLine.Top >= table.Bottom && layout.StatusLine.Top - table.Bottom <= near)
                << "status " << layout.StatusLine << ", table " << table;
        }
    }

    // A pinch on the table, a swipe across the page, a double tap on the caption.
    for (int step = 0; step <= 10; ++step) {
        page.Touch(0, {100 - 8 * step, 150 - 8 * step});
        page.Touch(1, {140 + 8 * step, 200 + 8 * step});
    }
    page.Lift(0);
    page.Lift(1);
    for (int step = 0; step <= 10; ++step) page.Touch(0, {120, 300 - 30 * step});
    page.Lift(0);
    Tap(1, {120, -10});
    Tap(1, {120, -10});
    std::istringstream view(page.Ask("view"));
    double zoom = 0, left = -1, top = -1;
    view >> zoom >> left >> top;
    EXPECT_EQ(zoom, 1);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, Touch,
                         ::testing::Values(TouchScreen{"Phone", 390, 844, 3}, TouchScreen{"Tablet", 820, 1180, 2}),
                         [](const auto& screen) { return std::string(screen.param.Name); });

}  // namespace
}  // namespace vork::testing
