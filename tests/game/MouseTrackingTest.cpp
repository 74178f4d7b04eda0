#include <gtest/gtest.h>

#include "support/GameHarness.h"

namespace vork {
namespace {

using rally::Player;
using testing::GameHarness;

struct MouseTracking : ::testing::Test {
    GameHarness Game;
    void Move(float x, float y) { Game.Form.OnMouseMove(0, 0, x, y); }
    std::pair<int, int> Speeds() { return {Game.State().StrikeSpeedX, Game.State().StrikeSpeedY}; }
};

TEST_F(MouseTracking, FirstMoveMeasuresFromTheOrigin) {
    Move(100, 200);
    EXPECT_EQ(Speeds(), std::pair(5, 5));
    EXPECT_EQ(Game.State().MalletX[Player], 100);
    EXPECT_EQ(Game.State().MalletY[Player], 200);
}

TEST_F(MouseTracking, SpeedBucketsAreStrictlyGreaterTestsPerAxis) {
    struct Case {
        float fromX, fromY, toX, toY;
        int speedX, speedY;
    };
    for (const Case& c : {Case{50, 200, 70, 205, 4, 1}, Case{50, 200, 56, 189, 2, 3}, Case{50, 200, 71, 200, 5, 1},
                          Case{50, 200, 55, 210, 1, 2}, Case{50, 200, 65, 184, 3, 4}, Case{50, 200, 65.5F, 200, 4, 1},
                          Case{80, 200, 50, 200, 5, 1}, Case{50, 200, 50, 200, 1, 1}}) {
        Move(c.fromX, c.fromY);
        Move(c.toX, c.toY);
        EXPECT_EQ(Speeds(), std::pair(c.speedX, c.speedY))
            << "(" << c.fromX << "," << c.fromY << ") to (" << c.toX << "," << c.toY << ")";
    }
}

TEST_F(MouseTracking, YIsRoundedTiesToEvenAndXKeepsItsFraction) {
    Move(180.5F, 180.5F);
    EXPECT_EQ(Game.State().MalletY[Player], 180);
    EXPECT_EQ(Game.State().MalletX[Player], 180.5F);
    Move(181.5F, 181.5F);
    EXPECT_EQ(Game.State().MalletY[Player], 182);
    // The next distance is measured from the rounded y and the unrounded x.
    Move(187.0F, 187.6F);
    EXPECT_EQ(Speeds(), std::pair(2, 2));
}

TEST_F(MouseTracking, PositionsBeyondSixteenBitsSaturateInsteadOfBreaking) {
    Move(10, 1e9F);
    EXPECT_EQ(Game.State().MalletY[Player], 32767);
    EXPECT_EQ(Speeds().second, 5);
    Move(10, -1e9F);
    EXPECT_EQ(Game.State().MalletY[Player], -32768);
    Move(-70000, 100);
    EXPECT_EQ(Game.State().MalletX[Player], -70000);
    EXPECT_EQ(Game.State().MalletY[Player], 100);
}

TEST_F(MouseTracking, MovesOnTheTitleScreenUpdateTheMalletWithoutDrawingIt) {
    const auto titlePicture = Game.Platform.Picture();
    Game.Platform.ScheduleMove(Game.Platform.Now, 30, 40);
    EXPECT_EQ(Game.RunScript(), -1);
    EXPECT_EQ(Game.State().MalletX[Player], 30);
    EXPECT_EQ(Game.State().MalletY[Player], 40);
    EXPECT_EQ(Speeds(), std::pair(5, 5));
    EXPECT_EQ(Game.Platform.Picture(), titlePicture);
}

TEST_F(MouseTracking, AMillisecondMouseStillGivesFastStrikesBecauseEachPumpMergesMoves) {
    // 1000 Hz samples, 2 px each: unmerged every event would measure speed 1.
    const std::uint32_t start = Game.Platform.Now;
    for (int i = 1; i <= 30; ++i) Game.Platform.ScheduleMove(start + static_cast<std::uint32_t>(i), 2.0F * i, 200);
    Game.Platform.Now = start + 30;
    EXPECT_EQ(Game.RunScript(), -1);
    EXPECT_EQ(Game.State().MalletX[Player], 60);
    EXPECT_EQ(Speeds().first, 5);
}

}  // namespace
}  // namespace vork
