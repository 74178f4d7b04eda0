#include <gtest/gtest.h>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"

namespace vork {
namespace {

struct PuckCollision : ::testing::Test {
    rally::MatchState State;
    platform::MemoryPlatform Platform;
    rally::RallyEngine Engine{State, Platform};

    void SetUp() override { State.PuckCount = 2; }
    void Place(int k, int x, int y, int dx, int dy) {
        State.PuckX[k] = x;
        State.PuckY[k] = y;
        State.PuckDX[k] = dx;
        State.PuckDY[k] = static_cast<std::int16_t>(dy);
    }
    std::array<int, 4> Velocities() const {
        return {State.PuckDX[0], State.PuckDY[0], State.PuckDX[1], State.PuckDY[1]};
    }
};

TEST_F(PuckCollision, OverlappingPucksAreSentApartKeepingTheirSpeeds) {
    Place(0, 100, 120, -2, -3);
    Place(1, 90, 110, 3, 1);
    Engine.CollidePucks();
    EXPECT_EQ(Velocities(), (std::array<int, 4>{2, 3, -3, -1}));
}

TEST_F(PuckCollision, EachQuadrantPointsBothPucksAway) {
    struct Case {
        int x0, y0;
        std::array<int, 4> expected;
    };
    // Puck 1 at (100, 100) with (1, 1); puck 0 with (1, 1) placed around it.
    for (const Case& c : {Case{110, 110, {1, 1, -1, -1}}, Case{90, 110, {-1, 1, 1, -1}},
                          Case{110, 90, {1, -1, -1, 1}}, Case{90, 90, {-1, -1, 1, 1}}}) {
        Place(0, c.x0, c.y0, 1, 1);
        Place(1, 100, 100, 1, 1);
        Engine.CollidePucks();
        EXPECT_EQ(Velocities(), c.expected) << "puck 0 at " << c.x0 << "," << c.y0;
    }
}

TEST_F(PuckCollision, PucksTwentyFourApartOrLevelDoNotInteract) {
    for (auto [x0, y0] : {std::pair{124, 110}, std::pair{110, 124}, std::pair{76, 110}, std::pair{110, 100},
                          std::pair{100, 110}}) {
        Place(0, x0, y0, -2, -3);
        Place(1, 100, 100, 3, 1);
        Engine.CollidePucks();
        EXPECT_EQ(Velocities(), (std::array<int, 4>{-2, -3, 3, 1})) << x0 << "," << y0;
    }
}

TEST_F(PuckCollision, OnePuckMatchIgnoresWhateverSlotOneHolds) {
    State.PuckCount = 1;
    Place(0, 100, 120, -2, -3);
    Place(1, 90, 110, 3, 1);
    Engine.CollidePucks();
    EXPECT_EQ(Velocities(), (std::array<int, 4>{-2, -3, 3, 1}));
}

}  // namespace
}  // namespace vork
