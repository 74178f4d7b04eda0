#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"

namespace vork {
namespace {

using rally::Cpu;

struct CpuSteering : ::testing::Test {
    rally::MatchState State;
    platform::MemoryPlatform Platform;
    rally::RallyEngine Engine{State, Platform};

    void SetUp() override {
        State.PuckCount = 1;
        State.CpuDX = 1;
        State.CpuDY = 1;
    }
    void PlaceCpu(int x, int y) {
        State.MalletX[Cpu] = static_cast<float>(x);
        State.MalletY[Cpu] = static_cast<std::int16_t>(y);
    }
    void PlacePuck(int k, int x, int y) {
        State.PuckX[k] = x;
        State.PuckY[k] = y;
    }
    void ExpectCpu(float x, int y) {
        EXPECT_EQ(State.MalletX[Cpu], x);
        EXPECT_EQ(State.MalletY[Cpu], y);
    }
};

TEST_F(CpuSteering, FirstStepOfTheFirstRallyHeadsForTheServedPuck) {
    PlaceCpu(0, 0);
    PlacePuck(0, 1, 151);
    Engine.SteerCpuMallet();
    EXPECT_EQ(State.PuckQuadrant[0], 4);
    EXPECT_FLOAT_EQ(State.PuckDistance[0], 151.00331F);
    EXPECT_EQ(State.PuckDistance[0], static_cast<float>(std::sqrt(22802.0)));
    EXPECT_EQ(Engine.CpuNearCounter, 0);
    EXPECT_EQ(State.CpuDX, 1);
    EXPECT_EQ(State.CpuDY, 1);
    ExpectCpu(1, 1);
}

TEST_F(CpuSteering, ChaseFollowsEachQuadrant) {
    struct Case {
        int puckX, puckY;
        std::int16_t quadrant;
        int dx, dy;
    };
    for (const Case& c : {Case{50, 20, 1, -1, -1}, Case{150, 20, 2, 1, -1}, Case{50, 200, 3, -1, 1},
                          Case{150, 200, 4, 1, 1}}) {
        PlaceCpu(100, 60);
        PlacePuck(0, c.puckX, c.puckY);
        Engine.CpuNearCounter = 0;
        Engine.SteerCpuMallet();
        EXPECT_EQ(State.PuckQuadrant[0], c.quadrant);
        EXPECT_EQ(State.CpuDX, c.dx);
        EXPECT_EQ(State.CpuDY, c.dy);
        ExpectCpu(static_cast<float>(100 + c.dx), 60 + c.dy);
    }
}

TEST_F(CpuSteering, PuckDirectlyBelowKeepsItsOldCodeAndDistance) {
    PlaceCpu(100, 20);
    State.PuckQuadrant[0] = 3;
    State.PuckDistance[0] = 42;
    PlacePuck(0, 100, 200);
    Engine.CpuNearCounter = 5;
    Engine.SteerCpuMallet();
    EXPECT_EQ(State.PuckQuadrant[0], 3);
    EXPECT_EQ(State.PuckDistance[0], 42);
    EXPECT_EQ(Engine.CpuNearCounter, 0);
    EXPECT_EQ(State.CpuDX, -1);  // chased by the old code
    EXPECT_EQ(State.CpuDY, 1);
}

TEST_F(CpuSteering, ChanLeavesTheStepForAnUnsetCodeAndRejectsBadIndexes) {
    State.CpuDX = -1;
    State.CpuDY = 1;
    std::int16_t puck = 1;
    Engine.CHAN(puck);
    EXPECT_EQ(State.CpuDX, -1);
    EXPECT_EQ(State.CpuDY, 1);
    for (std::int16_t bad : {std::int16_t{-1}, std::int16_t{2}}) {
        EXPECT_THROW(Engine.CHAN(bad), std::out_of_range);
    }
    EXPECT_EQ(puck, 1);
}

TEST_F(CpuSteering, LevelMeansUnderTwentyFourRowsWhateverTheColumn) {
    PlaceCpu(0, 50);
    for (auto [puckY, near] : {std::pair{50, true}, std::pair{73, true}, std::pair{27, true}, std::pair{74, false},
                               std::pair{26, false}}) {
        PlaceCpu(0, 50);
        PlacePuck(0, 215, puckY);
        Engine.CpuNearCounter = 0;
        State.CpuDY = 1;
        Engine.SteerCpuMallet();
        EXPECT_EQ(Engine.CpuNearCounter, near ? 1 : 0) << "puck y " << puckY;
    }
}

TEST_F(CpuSteering, CourseKeepingTurnsAnUpwardMalletDownAndLeavesADownwardOne) {
    struct Case {
        int dx, dy, expectDx, expectDy;
    };
    for (const Case& c : {Case{-1, -1, 1, 1}, Case{1, -1, -1, 1}, Case{1, 1, 1, 1}, Case{-1, 1, -1, 1}}) {
        PlaceCpu(100, 60);
        PlacePuck(0, 10, 70);  // level
        State.CpuDX = c.dx;
        State.CpuDY = static_cast<std::int16_t>(c.dy);
        Engine.CpuNearCounter = 0;
        Engine.SteerCpuMallet();
        EXPECT_EQ(State.CpuDX, c.expectDx);
        EXPECT_EQ(State.CpuDY, c.expectDy);
    }
}

TEST_F(CpuSteering, EveryThirtyFirstLevelStepIsAChase) {
    PlaceCpu(100, 60);
    State.PuckQuadrant[0] = 1;
    for (int step = 1; step <= 30; ++step) {
        PlaceCpu(100, 60);
        PlacePuck(0, 40, 55);  // up-left of the mallet but level
        Engine.SteerCpuMallet();
        ASSERT_EQ(Engine.CpuNearCounter, step);
        ASSERT_EQ(State.CpuDY, 1) << "course keeping at step " << step;
    }
    PlaceCpu(100, 60);
    Engine.SteerCpuMallet();
    EXPECT_EQ(Engine.CpuNearCounter, 0);
    EXPECT_EQ(State.CpuDX, -1);
    EXPECT_EQ(State.CpuDY, -1);
}

TEST_F(CpuSteering, TwoPucksChaseTheNearerAndTiesGoToPuckOne) {
    State.PuckCount = 2;
    PlaceCpu(100, 60);
    PlacePuck(0, 60, 20);   // up-left, distance ~56.6
    PlacePuck(1, 150, 200);  // down-right, far
    Engine.SteerCpuMallet();
    EXPECT_EQ(State.CpuDX, -1);
    EXPECT_EQ(State.CpuDY, -1);

    PlaceCpu(100, 60);
    PlacePuck(0, 60, 20);
    PlacePuck(1, 140, 100);  // same distance, down-right
    Engine.SteerCpuMallet();
    EXPECT_EQ(State.PuckDistance[0], State.PuckDistance[1]);
    EXPECT_EQ(State.CpuDX, 1);
    EXPECT_EQ(State.CpuDY, 1);
}

TEST_F(CpuSteering, TheSurveyEndsWithPuckOneSoItDecidesCourseKeeping) {
    State.PuckCount = 2;
    PlaceCpu(100, 60);
    PlacePuck(0, 10, 60);   // level
    PlacePuck(1, 150, 250);  // far
    Engine.SteerCpuMallet();
    EXPECT_EQ(Engine.CpuNearCounter, 0);

    PlaceCpu(100, 60);
    PlacePuck(0, 10, 60);
    PlacePuck(1, 150, 70);
    Engine.SteerCpuMallet();
    EXPECT_EQ(Engine.CpuNearCounter, 2) << "both pucks level: two near examinations";
}

TEST_F(CpuSteering, OnePuckSurveyNeverTouchesSlotOne) {
    State.PuckQuadrant[1] = 3;
    State.PuckDistance[1] = 7;
    PlaceCpu(100, 60);
    PlacePuck(0, 150, 200);
    PlacePuck(1, 100, 61);
    Engine.SteerCpuMallet();
    EXPECT_EQ(State.PuckQuadrant[1], 3);
    EXPECT_EQ(State.PuckDistance[1], 7);
    EXPECT_EQ(Engine.CpuNearCounter, 0);
}

TEST_F(CpuSteering, MalletIsClampedToItsZoneWithoutTouchingItsStep) {
    struct Case {
        int x, y;
        std::int16_t quadrant;
        float expectX;
        int expectY, expectDx, expectDy;
    };
    for (const Case& c : {Case{0, 50, 3, 0, 51, -1, 1}, Case{215, 50, 4, 215, 51, 1, 1},
                          Case{100, 0, 2, 101, 0, 1, -1}, Case{100, 130, 4, 101, 130, 1, 1}}) {
        PlaceCpu(c.x, c.y);
        PlacePuck(0, c.x, c.y + 100);  // straight below: the chase uses the code it had
        State.PuckQuadrant[0] = c.quadrant;
        Engine.CpuNearCounter = 0;
        Engine.SteerCpuMallet();
        ExpectCpu(c.expectX, c.expectY);
        EXPECT_EQ(State.CpuDX, c.expectDx);
        EXPECT_EQ(State.CpuDY, c.expectDy);
    }
    // Course keeping at the bottom of the zone slides sideways along it.
    PlaceCpu(100, 130);
    State.CpuDX = 1;
    State.CpuDY = 1;
    Engine.CpuNearCounter = 0;
    for (int step = 0; step < 5; ++step) {
        PlacePuck(0, 0, 135);
        Engine.SteerCpuMallet();
    }
    ExpectCpu(105, 130);
}

}  // namespace
}  // namespace vork
