#include <gtest/gtest.h>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"

namespace vork {
namespace {

struct PuckMotion : ::testing::Test {
    rally::MatchState State;
    platform::MemoryPlatform Platform;
    rally::RallyEngine Engine{State, Platform};

    void Place(int k, int x, int y, int dx, int dy) {
        State.PuckX[k] = x;
        State.PuckY[k] = y;
        State.PuckDX[k] = dx;
        State.PuckDY[k] = static_cast<std::int16_t>(dy);
    }
    void ExpectPuck(int k, int x, int y, int dx, int dy) {
        EXPECT_EQ(State.PuckX[k], x);
        EXPECT_EQ(State.PuckY[k], y);
        EXPECT_EQ(State.PuckDX[k], dx);
        EXPECT_EQ(State.PuckDY[k], dy);
    }
};

TEST_F(PuckMotion, OvershootIsDroppedAndTheStepTurnsFromTheWall) {
    Place(0, 214, 100, 3, 2);
    Engine.MovePuck(0);
    ExpectPuck(0, 215, 102, -3, 2);
}

TEST_F(PuckMotion, PuckLandingExactlyOnALimitKeepsItsStepForOneFrame) {
    Place(0, 2, 100, -2, 1);
    Engine.MovePuck(0);
    ExpectPuck(0, 0, 101, -2, 1);
    Engine.MovePuck(0);
    ExpectPuck(0, 0, 102, 2, 1);
}

TEST_F(PuckMotion, WallSetsTheSignRatherThanFlippingIt) {
    Place(0, 220, 100, -4, 1);  // beyond the right wall but already heading back
    Engine.MovePuck(0);
    ExpectPuck(0, 215, 101, -4, 1);
    Place(0, -3, 100, 2, 1);
    Engine.MovePuck(0);
    ExpectPuck(0, 0, 101, 2, 1);
}

TEST_F(PuckMotion, SecondServedPuckComesOntoTheRightWallWithoutRebounding) {
    Place(1, 216, 150, -1, -1);
    Engine.MovePuck(1);
    ExpectPuck(1, 215, 149, -1, -1);
}

TEST_F(PuckMotion, EndWallsAreWallsWhereverThePuckCrosses) {
    Place(0, 10, 1, 1, -3);
    Engine.MovePuck(0);
    ExpectPuck(0, 11, 0, 1, 3);
    Place(0, 100, 1, 1, -3);  // inside the mouth too
    Engine.MovePuck(0);
    ExpectPuck(0, 101, 0, 1, 3);
    Place(0, 100, 309, 1, 5);
    Engine.MovePuck(0);
    ExpectPuck(0, 101, 311, 1, -5);
}

TEST_F(PuckMotion, CornerReboundsOnBothAxesInOneFrame) {
    Place(0, 213, 309, 5, 5);
    Engine.MovePuck(0);
    ExpectPuck(0, 215, 311, -5, -5);
}

TEST_F(PuckMotion, OnlyTheNamedPuckMoves) {
    Place(0, 50, 50, 1, 1);
    Place(1, 80, 80, 2, 2);
    Engine.MovePuck(1);
    ExpectPuck(0, 50, 50, 1, 1);
    ExpectPuck(1, 82, 82, 2, 2);
}

}  // namespace
}  // namespace vork
