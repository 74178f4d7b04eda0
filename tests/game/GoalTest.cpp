#include <gtest/gtest.h>

#include "platform/MemoryPlatform.h"
#include "rally/RallyEngine.h"

namespace vork {
namespace {

using platform::MemoryPlatform;

struct Goals : ::testing::Test {
    rally::MatchState State;
    MemoryPlatform Platform;
    rally::RallyEngine Engine{State, Platform};

    void SetUp() override {
        State.PuckCount = 1;
        State.WaitingForClick = 0;
        Platform.Caption = "vorK";
        Platform.Pointer = platform::MousePointer::CrossHair;
        Platform.Confinement = platform::ClientRect{0, 161, 216, 311};
    }
    bool PuckAt(int x, int y) {
        State.PuckX[0] = x;
        State.PuckY[0] = y;
        return Engine.CheckGoal(0);
    }
    std::vector<std::tuple<std::string, int, int>> Messages() const {
        std::vector<std::tuple<std::string, int, int>> out;
        for (const auto& text : Platform.Texts) out.emplace_back(text.Text, text.X, text.Y);
        return out;
    }
};

TEST_F(Goals, TopMouthIncludesBothBoundsAndScoresForThePlayer) {
    EXPECT_FALSE(PuckAt(71, 0));
    EXPECT_FALSE(PuckAt(145, 0));
    EXPECT_FALSE(PuckAt(100, 1));
    EXPECT_EQ(State.PlayerScore + State.CpuScore, 0);
    EXPECT_TRUE(Platform.Texts.empty());
    EXPECT_EQ(Platform.Caption, "vorK") << "no goal changes nothing";

    EXPECT_TRUE(PuckAt(72, 0));
    EXPECT_EQ(State.PlayerScore, 1);
    EXPECT_TRUE(PuckAt(144, 0));
    EXPECT_EQ(State.PlayerScore, 2);
    EXPECT_EQ(State.CpuScore, 0);
}

TEST_F(Goals, BottomLineLiesOnePixelBeforeTheWall) {
    EXPECT_FALSE(PuckAt(100, 309));
    EXPECT_TRUE(PuckAt(100, 310));
    EXPECT_TRUE(PuckAt(100, 311));
    EXPECT_EQ(State.CpuScore, 2);
    EXPECT_EQ(State.PlayerScore, 0);
}

TEST_F(Goals, AGoalShowsTheScoreFreesThePointerAndInvitesTheNextRally) {
    ASSERT_TRUE(PuckAt(100, 0));
    EXPECT_EQ(Platform.Caption, "Score  PLAYER-1 VS CPU-0");
    EXPECT_EQ(State.WaitingForClick, 1);
    EXPECT_EQ(State.PuckCount, 1);
    EXPECT_EQ(Platform.Pointer, platform::MousePointer::Default);
    EXPECT_FALSE(Platform.Confinement.has_value());
    using M = std::tuple<std::string, int, int>;
    EXPECT_EQ(Messages(), (std::vector<M>{M{"Next Game", 75, 106}, M{"Click to Start", 63, 150}}));
}

TEST_F(Goals, FifteenPointsEndTheMatch) {
    State.PlayerScore = 14;
    State.CpuScore = 3;
    ASSERT_TRUE(PuckAt(100, 311));  // the side with 3 scores: the match goes on
    EXPECT_EQ(State.PuckCount, 1);
    EXPECT_EQ(Platform.Caption, "Score  PLAYER-14 VS CPU-4");

    State.CpuScore = 14;
    Platform.Texts.clear();
    State.PuckCount = 2;
    ASSERT_TRUE(PuckAt(100, 0));
    EXPECT_EQ(Platform.Caption, "Score  PLAYER-15 VS CPU-14");
    EXPECT_EQ(State.PuckCount, 0);
    EXPECT_EQ(State.WaitingForClick, 1);
    EXPECT_FALSE(Platform.Confinement.has_value());
    using M = std::tuple<std::string, int, int>;
    EXPECT_EQ(Messages(), (std::vector<M>{M{"GAME OVER", 4, 20}, M{"Click to Retry!", 57, 172}}));
}

TEST_F(Goals, MessagesGoOverTheLastPictureWithoutClearingIt) {
    Platform.Picture().Set(5, 5, {1, 2, 3});
    ASSERT_TRUE(PuckAt(100, 0));
    EXPECT_EQ(Platform.Picture().At(5, 5), (platform::Rgb{1, 2, 3}));
}

TEST(GoalsOnAnOddTable, BoundsKeepTheirHalfAndCompareNumerically) {
    rally::MatchState state;
    state.PuckCount = 1;
    MemoryPlatform platform(239, 335);
    rally::RallyEngine engine(state, platform);
    state.PuckY[0] = 0;
    state.PuckX[0] = 71;  // below 71.5
    EXPECT_FALSE(engine.CheckGoal(0));
    state.PuckX[0] = 144;  // above 143.5
    EXPECT_FALSE(engine.CheckGoal(0));
    state.PuckX[0] = 72;
    EXPECT_TRUE(engine.CheckGoal(0));
}

TEST(GoalsOnAShorterTable, BottomLineFollowsTheClientHeight) {
    rally::MatchState state;
    state.PuckCount = 1;
    MemoryPlatform platform(240, 300);
    rally::RallyEngine engine(state, platform);
    state.PuckX[0] = 100;
    state.PuckY[0] = 274;
    EXPECT_FALSE(engine.CheckGoal(0));
    state.PuckY[0] = 275;
    EXPECT_TRUE(engine.CheckGoal(0));
}

}  // namespace
}  // namespace vork
