#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <utility>

#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/GameSession.h"

namespace vork::testing {

// Each test gets its own X server and a freshly started game showing its window.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : WindowTest(Launch{}) {}
    // The game started another way (the Windows build under Wine), given
    // `startUp` to show its window.
    explicit WindowTest(const Launch& launch, Clock::duration startUp = 5s) : game{desktop, launch}, startUp_(startUp) {}

    void SetUp() override {
        ASSERT_TRUE(game.WaitForWindow(startUp_))
            << "no window titled vorK within " << std::chrono::duration_cast<std::chrono::seconds>(startUp_).count()
            << " s; the game's output: " << game.Process().Output();
    }

    // A one-puck rally (two with Shift), from a click where the mallet then rests.
    void StartRally(bool twoPucks = false) {
        game.ClickToPlay(GameFacts::RestingClick, twoPucks);
        ASSERT_TRUE(game.WaitForPuck()) << "no puck on the table within 2 s of the click";
    }

    // The window shows the table as the game draws it (see ShowsDrawnTable).
    ::testing::AssertionResult ShowsTheDrawnTable(int pucks = 1) {
        return ShowsDrawnTable([this] { return game.Grab(); }, [this] { return game.Caption(); }, pucks);
    }

    // Pushed far past the player's half, the pointer stops at its edges;
    // small steps inside it are not held back.
    ::testing::AssertionResult HoldsThePointerInThePlayersHalf() {
        const Point bottomRight{GameFacts::PlayerArea.Right - 1, GameFacts::PlayerArea.Bottom - 1};
        const Point topLeft{GameFacts::PlayerArea.Left, GameFacts::PlayerArea.Top};
        const Point stepIn{topLeft.X + 7, topLeft.Y + 9};
        const std::pair<Point, Point> moves[] = {{{500, 500}, bottomRight}, {{-500, -500}, topLeft}, {{7, 9}, stepIn}};
        for (const auto& [by, expected] : moves) {
            desktop.Input.MoveBy(by.X, by.Y);
            if (!WaitUntil([&] { return game.Pointer() == expected; }, 1s)) {
                return ::testing::AssertionFailure() << "moved by " << by << ", the pointer is at "
                                                     << game.Pointer().value_or(Point{-1, -1}) << ", not " << expected;
            }
        }
        return ::testing::AssertionSuccess();
    }

    XDesktop desktop;
    GameSession game;

private:
    Clock::duration startUp_;
};

}  // namespace vork::testing
