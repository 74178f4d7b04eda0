#include <gtest/gtest.h>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"

namespace vork {
namespace {

using rally::Cpu;
using rally::Player;

struct Strikes : ::testing::Test {
    rally::MatchState State;
    platform::MemoryPlatform Platform;
    rally::RallyEngine Engine{State, Platform};

    void SetUp() override {
        State.PuckCount = 1;
        // Both mallets far from everything unless a test moves them.
        PlaceMallet(Player, 200, 300);
        PlaceMallet(Cpu, 200, 0);
    }
    void PlacePuck(int k, int x, int y, int dx = 1, int dy = 1) {
        State.PuckX[k] = x;
        State.PuckY[k] = y;
        State.PuckDX[k] = dx;
        State.PuckDY[k] = static_cast<std::int16_t>(dy);
    }
    void PlaceMallet(int j, float x, int y) {
        State.MalletX[j] = x;
        State.MalletY[j] = static_cast<std::int16_t>(y);
    }
    void Speeds(int x, int y) {
        State.StrikeSpeedX = x;
        State.StrikeSpeedY = static_cast<std::int16_t>(y);
    }
};

TEST_F(Strikes, PlayerStrikesThePuckAwayAtTheMouseSpeeds) {
    PlacePuck(0, 100, 100);
    PlaceMallet(Player, 110, 110);
    Speeds(3, 2);
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], -3);
    EXPECT_EQ(State.PuckDY[0], -2);
    EXPECT_EQ(State.MalletContact[Player], 1);
}

TEST_F(Strikes, EachSideOfTheMalletSendsThePuckThatWay) {
    struct Case {
        int malletX, malletY, dx, dy;
    };
    for (const Case& c : {Case{110, 110, -4, -5}, Case{90, 110, 4, -5}, Case{110, 90, -4, 5}, Case{90, 90, 4, 5}}) {
        State.MalletContact = {0, 0};
        PlacePuck(0, 100, 100);
        PlaceMallet(Player, static_cast<float>(c.malletX), c.malletY);
        Speeds(4, 5);
        Engine.StrikePuck(0);
        EXPECT_EQ(State.PuckDX[0], c.dx) << c.malletX << "," << c.malletY;
        EXPECT_EQ(State.PuckDY[0], c.dy) << c.malletX << "," << c.malletY;
    }
}

TEST_F(Strikes, ContactNeedsBothDistancesUnderTwentyFourWithFractionsCounted) {
    Speeds(2, 2);
    PlaceMallet(Player, 100.5F, 210);
    PlacePuck(0, 77, 200);  // 23.5 apart: touching
    Engine.StrikePuck(0);
    EXPECT_EQ(State.MalletContact[Player], 1);
    EXPECT_EQ(State.PuckDX[0], -2);

    State.MalletContact = {0, 0};
    PlacePuck(0, 76, 200);  // 24.5 apart: not touching
    Engine.StrikePuck(0);
    EXPECT_EQ(State.MalletContact[Player], 0);
    EXPECT_EQ(State.PuckDX[0], 1);

    PlaceMallet(Player, 100, 224);
    PlacePuck(0, 100 - 10, 200);  // 24 apart in y
    Engine.StrikePuck(0);
    EXPECT_EQ(State.MalletContact[Player], 0);
}

TEST_F(Strikes, ALastingContactStrikesOnceUntilTheMalletLetsGo) {
    PlacePuck(0, 100, 100);
    PlaceMallet(Player, 110, 110);
    Speeds(3, 2);
    Engine.StrikePuck(0);
    State.PuckDX[0] = 5;  // as if a wall had turned it
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], 5) << "the same contact must not strike again";

    PlaceMallet(Player, 150, 150);
    Engine.StrikePuck(0);
    EXPECT_EQ(State.MalletContact[Player], 0);
    PlaceMallet(Player, 110, 110);
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], -3);
}

TEST_F(Strikes, LevelContactSetsTheLatchButKeepsTheVelocity) {
    PlacePuck(0, 100, 100, 2, -3);
    PlaceMallet(Player, 100, 110);
    Speeds(5, 5);
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], 2);
    EXPECT_EQ(State.PuckDY[0], -3);
    EXPECT_EQ(State.MalletContact[Player], 1);
}

TEST_F(Strikes, CpuDrawsTwoRandomSpeedsPerNewContactEvenWhenLevel) {
    PlacePuck(0, 100, 20);
    PlaceMallet(Cpu, 100, 10);  // level in x: no new velocity
    Platform.QueueRandom(0.0);
    Platform.QueueRandom(0.999);
    Engine.StrikePuck(0);
    EXPECT_EQ(State.StrikeSpeedX, 1);
    EXPECT_EQ(State.StrikeSpeedY, 5);
    EXPECT_EQ(State.PuckDX[0], 1);
    EXPECT_EQ(State.MalletContact[Cpu], 1);
}

TEST_F(Strikes, CpuStrikeHandledSecondDecidesAndItsSpeedsCarryToThePlayer) {
    PlacePuck(0, 100, 100);
    PlaceMallet(Player, 110, 110);  // would send it up-left at (3, 2)
    PlaceMallet(Cpu, 90, 90);       // sends it down-right at random speeds
    Speeds(3, 2);
    Platform.QueueRandom(0.5);  // 3.5 -> 3
    Platform.QueueRandom(0.2);  // 2.0 -> 2
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], 3);
    EXPECT_EQ(State.PuckDY[0], 2);
    EXPECT_EQ(State.StrikeSpeedX, 3);
    EXPECT_EQ(State.StrikeSpeedY, 2);

    // With no mouse event since, the player's next strike uses the CPU's speeds.
    Platform.QueueRandom(0.9);
    Platform.QueueRandom(0.9);
    PlaceMallet(Cpu, 200, 0);
    State.MalletContact = {0, 0};
    Engine.StrikePuck(0);
    EXPECT_EQ(State.PuckDX[0], -3);
    EXPECT_EQ(State.PuckDY[0], -2);
}

TEST_F(Strikes, LatchesAreSharedByBothPucks) {
    State.PuckCount = 2;
    PlaceMallet(Player, 110, 110);
    PlacePuck(0, 100, 100);  // touched
    PlacePuck(1, 10, 250);   // not touched
    Speeds(2, 2);
    for (int frame = 0; frame < 3; ++frame) {
        State.PuckDX[0] = 1;
        Engine.StrikePuck(0);
        Engine.StrikePuck(1);
        EXPECT_EQ(State.PuckDX[0], -2) << "resting on one puck strikes it every frame, frame " << frame;
    }

    // Touching both: strikes puck 0 once, then neither while both overlaps last.
    State.MalletContact = {0, 0};
    PlacePuck(1, 120, 120);
    State.PuckDX = {1, 1};
    Engine.StrikePuck(0);
    Engine.StrikePuck(1);
    EXPECT_EQ(State.PuckDX[0], -2);
    EXPECT_EQ(State.PuckDX[1], 1);
    State.PuckDX = {1, 1};
    Engine.StrikePuck(0);
    Engine.StrikePuck(1);
    EXPECT_EQ(State.PuckDX, (std::array<int, 2>{1, 1}));
}

}  // namespace
}  // namespace vork
