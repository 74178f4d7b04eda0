#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

enum class Way { Terminate, Interrupt, HangUp, CloseRequest, RightClick };
enum class Moment { Title, Rally };

const char* NameOf(Way way) {
    switch (way) {
        case Way::Terminate: return "SIGTERM";
        case Way::Interrupt: return "SIGINT";
        case Way::HangUp: return "SIGHUP";
        case Way::CloseRequest: return "CloseRequest";
        case Way::RightClick: return "RightClick";
    }
    return "?";
}

void PrintTo(Way way, std::ostream* out) { *out << NameOf(way); }
void PrintTo(Moment moment, std::ostream* out) { *out << (moment == Moment::Title ? "OnTheTitle" : "DuringARally"); }

void EndGame(GameSession& game, Way way) {
    switch (way) {
        case Way::Terminate: return game.Process().SendSignal(SIGTERM);
        case Way::Interrupt: return game.Process().SendSignal(SIGINT);
        case Way::HangUp: return game.Process().SendSignal(SIGHUP);
        case Way::CloseRequest: return SendDeleteWindow(game.Desktop().X, game.Window());
        case Way::RightClick:
            game.MoveTo(GameFacts::RestingClick);
            return game.Desktop().Input.Click(3);
    }
}

std::optional<std::string> PlayAndEnd(XDesktop& desktop, Way way, Moment moment, std::chrono::milliseconds delay) {
    GameSession game(desktop);
    if (!game.WaitForWindow()) {
        std::ostringstream problem;
        problem << "no window within 5 s; the game ";
        if (const auto end = game.Process().WaitForExit(0ms)) {
            problem << *end;
        } else {
            problem << "is still running";
        }
        return problem.str() + ", its output:\n" + game.Process().Output();
    }
    if (moment == Moment::Rally) {
        game.ClickToPlay();
        if (!game.WaitForPuck()) {
            return "no rally within 2 s of the click";
        }
    }
    std::this_thread::sleep_for(delay);
    EndGame(game, way);
    return game.Process().ProblemWithEnd();
}

// How many games each way of ending ends: a few in the suite, hundreds when
// the stress command asks for them.
int Runs() {
    const char* runs = std::getenv("VORK_END_RUNS");
    return runs != nullptr ? std::max(1, std::atoi(runs)) : 3;
}

class EveryWayOut : public ::testing::TestWithParam<std::tuple<Way, Moment>> {
protected:
    XDesktop desktop;
};

TEST_P(EveryWayOut, EndsTheGameCleanlyAtAnyMoment) {
    const auto [way, moment] = GetParam();
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(0, 250);
    int failures = 0;
    for (int run = 1; run <= Runs(); ++run) {
        const auto delay = std::chrono::milliseconds(delayMs(random));
        if (const auto problem = PlayAndEnd(desktop, way, moment, delay)) {
            ++failures;
            ADD_FAILURE() << "game " << run << ", ended " << delay.count() << " ms in (seed " << seed
                          << "): " << *problem;
        }
    }
    std::cout << "[ ends ] " << Runs() << " games, " << failures << " ended badly\n";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EveryWayOut,
    ::testing::Combine(::testing::Values(Way::Terminate, Way::Interrupt, Way::HangUp, Way::CloseRequest,
                                         Way::RightClick),
                       ::testing::Values(Moment::Title, Moment::Rally)),
    [](const auto& info) { return ::testing::PrintToString(std::get<0>(info.param)) +
                                  ::testing::PrintToString(std::get<1>(info.param)); });

using GameEnds = WindowTest;

TEST_F(GameEnds, RightClickDuringARallyFreesThePointer) {
    StartRally();
    const auto origin = ClientOrigin(desktop.X, game.Window());
    ASSERT_TRUE(origin);
    desktop.Input.MoveBy(-400, -400);
    ASSERT_TRUE(WaitUntil([&] { return game.Pointer() == Point{0, GameFacts::PlayerArea.Top}; }, 1s))
        << "the rally did not hold the pointer; it is at " << game.Pointer().value_or(Point{-1, -1});

    desktop.Input.Click(3);
    EXPECT_EQ(game.Process().ProblemWithEnd(), std::nullopt);
    desktop.Input.MoveBy(-400, -400);
    EXPECT_TRUE(WaitUntil([&] { return PointerOnScreen(desktop.X).Y < origin->Y + GameFacts::PlayerArea.Top; }, 1s))
        << "the pointer is still held, at " << PointerOnScreen(desktop.X);
}

TEST(DisplayLost, EndsTheGameWithAMessageAndAFailure) {
    XvfbServer server;
    GameProcess game(server.DisplayName());
    {
        // Closed before the server goes, or its own end would end this test.
        XConnection x(server.DisplayName());
        ASSERT_TRUE(WaitUntil([&] { return FindWindowByCaption(x, GameFacts::TitleCaption).has_value(); }, 5s));
    }
    server.Stop();
    const auto end = game.WaitForExit(2000ms);
    ASSERT_TRUE(end) << "still running without its display";
    EXPECT_FALSE(end->ExitedWith(0)) << *end;
    EXPECT_NE(game.Output().find("vork: lost the connection"), std::string::npos) << *end << "; " << game.Output();
}

}  // namespace
}  // namespace vork::testing
