#include <gtest/gtest.h>

#include <string>

#include "support/GameHarness.h"

namespace vork {
namespace {

namespace Button = platform::Button;
namespace Modifier = platform::Modifier;
using platform::MousePointer;
using testing::GameHarness;

// Rallies end on their own: the pointer rests low in the player's corner,
// out of the puck's usual way, and nobody touches the mouse.
struct MatchTest : ::testing::Test {
    GameHarness Game;
    void SetUp() override { Game.Platform.ScheduleMove(Game.Platform.Now, 215, 310); }

    std::string Score() const {
        const auto& s = Game.Form.State;
        return "Score  PLAYER-" + std::to_string(s.PlayerScore) + " VS CPU-" + std::to_string(s.CpuScore);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& t : Game.Platform.Texts) texts.push_back(t.Text);
        return texts;
    }
};

TEST_F(MatchTest, TitleScreenWaitsForAClickWithTheStartValues) {
    GameHarness fresh;
    EXPECT_EQ(fresh.Platform.Caption, "vorK");
    EXPECT_EQ(fresh.State().PuckCount, 0);
    EXPECT_EQ(fresh.State().WaitingForClick, 1);
    EXPECT_EQ(fresh.Platform.Picture(), platform::Image(240, 335, {128, 128, 128}))
        << "the title screen is grey with its texts (which the in-memory platform records apart)";
}

TEST(TitleScreen, PrintsTheTitleAndTheInvitation) {
    platform::MemoryPlatform platform;
    shell::Form1 form(platform);
    form.OnWindowLoad();
    ASSERT_EQ(platform.Texts.size(), 2u);
    EXPECT_EQ(platform.Texts[0].Text, "vorK");
    EXPECT_EQ(platform.Texts[0].Points, 32);
    EXPECT_EQ(std::pair(platform.Texts[0].X, platform.Texts[0].Y), std::pair(80, 96));
    EXPECT_EQ(platform.Texts[1].Text, "Click to Game Start!");
    EXPECT_EQ(platform.Texts[1].Points, 16);
    EXPECT_EQ(std::pair(platform.Texts[1].X, platform.Texts[1].Y), std::pair(31, 172));
    for (const auto& text : platform.Texts) EXPECT_EQ(text.Colour, (platform::Rgb{255, 255, 255}));
    EXPECT_EQ(platform.FontSize(), 16) << "later messages use the size the title screen left";
}

TEST_F(MatchTest, AWholeMatchRunsToGameOverAndANewOneStartsAfresh) {
    int rallies = 0;
    while (Game.State().PuckCount != 0 || rallies == 0) {
        Game.Platform.Texts.clear();
        ASSERT_EQ(Game.Click(0, 2'000'000), -1) << "rally " << rallies << " did not end in a goal";
        ++rallies;
        EXPECT_EQ(Game.Platform.Caption, Score());
        EXPECT_EQ(Game.Platform.Pointer, MousePointer::Default);
        EXPECT_FALSE(Game.Platform.Confinement.has_value());
        EXPECT_EQ(Game.State().WaitingForClick, 1);
        EXPECT_EQ(Game.State().PlayerScore + Game.State().CpuScore, rallies) << "one point a rally";
        if (Game.State().PuckCount != 0) {
            EXPECT_EQ(Messages(), (std::vector<std::string>{"Next Game", "Click to Start"}));
            EXPECT_LT(std::max(Game.State().PlayerScore, Game.State().CpuScore), 15);
        }
    }
    EXPECT_EQ(std::max(Game.State().PlayerScore, Game.State().CpuScore), 15);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"GAME OVER", "Click to Retry!"}));
    const std::string finalScore = Game.Platform.Caption;

    // The final score stays until a new match begins with both scores 0.
    std::string captionAtFirstFrame;
    int scoreAtFirstFrame = -1;
    Game.OnPump = [&] {
        if (captionAtFirstFrame.empty() && Game.State().WaitingForClick == 0) {
            captionAtFirstFrame = Game.Platform.Caption;
            scoreAtFirstFrame = Game.State().PlayerScore + Game.State().CpuScore;
        }
    };
    EXPECT_EQ(Game.Click(Modifier::Shift), -1);
    EXPECT_EQ(captionAtFirstFrame, "vorK");
    EXPECT_EQ(scoreAtFirstFrame, 0);
    EXPECT_EQ(Game.State().PuckCount, 2) << "Shift alone picks two pucks after a game over too";
    EXPECT_NE(finalScore, "vorK");
}

TEST_F(MatchTest, BetweenRalliesAClickResumesTheSameMatch) {
    ASSERT_EQ(Game.Click(Modifier::Shift), -1);
    ASSERT_EQ(Game.State().PuckCount, 2);
    const std::string afterFirst = Game.Platform.Caption;
    const float cpuX = Game.State().MalletX[rally::Cpu];
    const std::int16_t cpuY = Game.State().MalletY[rally::Cpu];

    std::string captionAtFirstFrame;
    bool checkedStart = false;
    Game.OnPump = [&] {
        if (!checkedStart && Game.State().WaitingForClick == 0) {
            checkedStart = true;
            captionAtFirstFrame = Game.Platform.Caption;
            // The CPU mallet took one or two steps from where the last rally left it.
            EXPECT_LE(std::abs(Game.State().MalletX[rally::Cpu] - cpuX), 2.0F);
            EXPECT_LE(std::abs(Game.State().MalletY[rally::Cpu] - cpuY), 2);
        }
    };
    EXPECT_EQ(Game.Click(), -1);  // no Shift: still two pucks
    EXPECT_EQ(captionAtFirstFrame, afterFirst) << "the score carries on";
    EXPECT_EQ(Game.State().PuckCount, 2);
    EXPECT_EQ(Game.State().PlayerScore + Game.State().CpuScore, 2);
}

TEST_F(MatchTest, OnlyShiftOnItsOwnPicksTwoPucks) {
    for (auto [shift, pucks] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{3, 1}, std::pair{5, 1}, std::pair{7, 1},
                                std::pair{2, 1}}) {
        GameHarness game;
        game.OnPump = [&] {
            if (game.State().WaitingForClick == 0) throw platform::ProgramEnd{game.State().PuckCount};
        };
        EXPECT_EQ(game.Click(static_cast<std::int16_t>(shift)), pucks) << "modifiers " << shift;
    }
}

TEST_F(MatchTest, RightClickEndsTheProgramInEveryWaitingPhase) {
    // Title screen.
    Game.Platform.ScheduleButton(Game.Platform.Now, Button::Right);
    EXPECT_EQ(Game.RunScript(), 0);

    // Between rallies and after a game over.
    GameHarness between;
    ASSERT_EQ(between.Click(), -1);
    between.Platform.ScheduleButton(between.Platform.Now, Button::Right);
    EXPECT_EQ(between.RunScript(), 0);
    EXPECT_EQ(between.Platform.Pointer, MousePointer::Default);
    EXPECT_FALSE(between.Platform.Confinement.has_value());

    GameHarness over;
    over.State().PuckCount = 0;
    over.State().WaitingForClick = 1;
    over.Platform.ScheduleButton(over.Platform.Now, Button::Right, Modifier::Shift);
    EXPECT_EQ(over.RunScript(), 0);
}

TEST_F(MatchTest, MiddleAndOtherButtonsDoNothing) {
    for (std::int16_t button : {Button::Middle, std::int16_t{8}, std::int16_t{0}}) {
        Game.Platform.ScheduleButton(Game.Platform.Now, button);
    }
    EXPECT_EQ(Game.RunScript(), -1);
    EXPECT_EQ(Game.State().PuckCount, 0);
    EXPECT_EQ(Game.Platform.Caption, "vorK");
}

TEST_F(MatchTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
    Game.Platform.ScheduleClose(Game.Platform.Now);
    EXPECT_EQ(Game.RunScript(), 0);
}

}  // namespace
}  // namespace vork
