#include <gtest/gtest.h>

#include <csignal>

#include "tests/window/WindowTest.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::testing {
namespace {

using GameEnds = WindowTest;

void ExpectCleanExit(GameProcess& game, std::chrono::milliseconds within) {
    const auto end = game.WaitForExit(within);
    ASSERT_TRUE(end) << "still running after " << within.count() << " ms";
    EXPECT_TRUE(end->ExitedWith(0)) << *end;
}

TEST_F(GameEnds, CloseRequestEndsItAtOnce) {
    SendDeleteWindow(desktop.X, game.Window());
    ExpectCleanExit(game.Process(), 1000ms);
}

TEST_F(GameEnds, TerminationSignalOnTheTitle) {
    game.Process().SendSignal(SIGTERM);
    ExpectCleanExit(game.Process(), 2000ms);
}

TEST_F(GameEnds, TerminationSignalDuringARally) {
    StartRally();
    game.Process().SendSignal(SIGTERM);
    ExpectCleanExit(game.Process(), 2000ms);
}

TEST_F(GameEnds, CloseRequestDuringARally) {
    StartRally();
    SendDeleteWindow(desktop.X, game.Window());
    ExpectCleanExit(game.Process(), 1000ms);
}

TEST_F(GameEnds, RightClickDuringARallyEndsItAndFreesThePointer) {
    StartRally();
    const auto origin = ClientOrigin(desktop.X, game.Window());
    ASSERT_TRUE(origin);
    desktop.Input.MoveBy(-400, -400);
    ASSERT_TRUE(WaitUntil([&] { return game.Pointer() == Point{0, GameFacts::PlayerArea.Top}; }, 1s))
        << "the rally did not hold the pointer; it is at " << game.Pointer().value_or(Point{-1, -1});

    desktop.Input.Click(3);
    ExpectCleanExit(game.Process(), 2000ms);
    desktop.Input.MoveBy(-400, -400);
    EXPECT_TRUE(WaitUntil([&] { return PointerOnScreen(desktop.X).Y < origin->Y + GameFacts::PlayerArea.Top; }, 1s))
        << "the pointer is still held, at " << PointerOnScreen(desktop.X);
}

}  // namespace
}  // namespace vork::testing
