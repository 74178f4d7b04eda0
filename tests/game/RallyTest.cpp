#include <gtest/gtest.h>

#include <vector>

#include "support/GameHarness.h"

namespace vork {
namespace {

namespace Button = platform::Button;
using platform::ClientRect;
namespace Modifier = platform::Modifier;
using platform::MousePointer;
using testing::GameHarness;

// What the game looked like at each yield of a rally.
struct Yield {
    std::uint32_t Tick;
    int PuckX0, PuckY0, PuckX1, PuckY1;
    float CpuX;
};

struct RallyTest : ::testing::Test {
    GameHarness Game;
    std::vector<Yield> Yields;

    // Records every pump; `onPump` may change the world at pump n.
    void Watch(std::function<void(int)> onPump = {}) {
        Game.OnPump = [this, onPump] {
            const auto& s = Game.State();
            Yields.push_back({Game.Platform.Now, s.PuckX[0], s.PuckY[0], s.PuckX[1], s.PuckY[1],
                              s.MalletX[rally::Cpu]});
            if (onPump) onPump(static_cast<int>(Yields.size()));
        };
    }
    // Ticks of the yields that came right after a frame: the puck had moved.
    std::vector<std::uint32_t> FrameTicks() const {
        std::vector<std::uint32_t> ticks;
        for (std::size_t i = 1; i < Yields.size(); ++i) {
            if (Yields[i].PuckX0 != Yields[i - 1].PuckX0 || Yields[i].PuckY0 != Yields[i - 1].PuckY0) {
                ticks.push_back(Yields[i].Tick);
            }
        }
        return ticks;
    }
    // Plays the rally started by a click until the game waits for the next one.
    int PlayFrom(std::int16_t shift = 0) { return Game.Click(shift); }
};

TEST_F(RallyTest, SetUpConfinesThePointerServesAndStartsANewMatch) {
    Game.State().PlayerScore = 7;
    Game.Platform.Caption = "Score  PLAYER-7 VS CPU-2";
    Watch([this](int pump) {
        if (pump == 2) {
            const auto& p = Game.Platform;
            EXPECT_EQ(p.Confinement, (ClientRect{0, 161, 216, 311}));
            EXPECT_EQ(p.Pointer, MousePointer::CrossHair);
            EXPECT_EQ(p.ReseedCount, 1);
            EXPECT_EQ(p.Caption, "vorK");
            EXPECT_EQ(Game.State().PlayerScore, 0);
            EXPECT_EQ(Game.State().WaitingForClick, 0);
            // One frame has run: the serve from (0, 150) moved once, the CPU chased from (0, 0).
            EXPECT_EQ(Game.State().PuckX[0], 1);
            EXPECT_EQ(Game.State().PuckY[0], 151);
            EXPECT_EQ(Game.State().MalletX[rally::Cpu], 1);
            EXPECT_EQ(Game.State().MalletY[rally::Cpu], 1);
            throw platform::ProgramEnd{5};
        }
    });
    EXPECT_EQ(PlayFrom(), 5);
}

TEST_F(RallyTest, FramesAreTenTicksApartAndEachPumpsEventsAtLeastOnce) {
    Watch([](int pump) {
        if (pump > 400) throw platform::ProgramEnd{0};
    });
    PlayFrom();
    const std::vector<std::uint32_t> frameTicks = FrameTicks();
    ASSERT_GT(frameTicks.size(), 100u);
    EXPECT_EQ(frameTicks.front(), Yields.front().Tick) << "the first frame begins at once";
    for (std::size_t i = 1; i < frameTicks.size(); ++i) {
        ASSERT_EQ(frameTicks[i] - frameTicks[i - 1], 10u) << "frame " << i;
    }
}

TEST(RallyPacing, TheTickCounterWrapNeitherStallsNorRushesAFrame) {
    for (std::uint32_t start : {0xFFFFFF00u, 0x7FFFFF00u}) {
        GameHarness game(240, 335, start);
        std::vector<std::uint32_t> frameTicks;
        int lastX = 0;
        game.OnPump = [&] {
            if (game.State().PuckX[0] != lastX) {
                lastX = game.State().PuckX[0];
                frameTicks.push_back(game.Platform.Now);
            }
            if (frameTicks.size() > 60) throw platform::ProgramEnd{0};
        };
        EXPECT_EQ(game.Click(), 0);
        for (std::size_t i = 1; i < frameTicks.size(); ++i) {
            ASSERT_EQ(frameTicks[i] - frameTicks[i - 1], 10u) << "start " << start << " frame " << i;
        }
        EXPECT_EQ(frameTicks.back() - start, 600u);
    }
}

TEST_F(RallyTest, ASlowFrameIsFollowedByExactlyOneYield) {
    int frame = 0;
    int lastSeenX = -1;
    // The third frame's work takes 25 ms: time passes before its wait reads the clock.
    Game.Platform.BeforeTickRead = [&] {
        const int x = Game.State().PuckX[0];
        if (x != lastSeenX && Game.State().WaitingForClick == 0) {
            lastSeenX = x;
            if (++frame == 3) Game.Platform.Now += 25;
        }
    };
    Watch([](int pump) {
        if (pump == 12) throw platform::ProgramEnd{0};
    });
    PlayFrom();
    // Yields carry the puck's x: frame n has the puck at x n.
    std::vector<int> yieldsAfterFrame(8, 0);
    for (std::size_t i = 1; i < Yields.size(); ++i) {
        if (Yields[i].PuckX0 < 8) ++yieldsAfterFrame[Yields[i].PuckX0];
    }
    EXPECT_EQ(yieldsAfterFrame[2], 2) << "a quick frame yields, waits, and yields again";
    EXPECT_EQ(yieldsAfterFrame[3], 1) << "a slow frame yields once and the next begins";
    EXPECT_EQ(yieldsAfterFrame[4], 2);
}

TEST_F(RallyTest, EventsWakeTheWaitButFramesKeepTheirPace) {
    const std::uint32_t start = Game.Platform.Now;
    for (std::uint32_t t = 1; t < 200; t += 3) Game.Platform.ScheduleMove(start + t, 100, 250);
    Watch([](int pump) {
        if (pump > 150) throw platform::ProgramEnd{0};
    });
    PlayFrom();
    const std::vector<std::uint32_t> frameTicks = FrameTicks();
    for (std::size_t i = 1; i < frameTicks.size(); ++i) {
        ASSERT_EQ(frameTicks[i] - frameTicks[i - 1], 10u) << "one frame per 10 ms, however many events";
    }
    EXPECT_GT(Yields.size(), 2 * frameTicks.size()) << "the moves woke the wait";
}

TEST_F(RallyTest, LeftClicksDuringARallyChangeNothing) {
    const std::uint32_t start = Game.Platform.Now;
    Game.Platform.ScheduleButton(start + 55, Button::Left);
    Game.Platform.ScheduleButton(start + 75, Button::Left, Modifier::Shift);
    Game.Platform.ScheduleButton(start + 85, Button::Middle);
    Watch([this](int pump) {
        if (pump > 40) throw platform::ProgramEnd{0};
        if (pump > 1) {
            EXPECT_EQ(Game.State().PuckCount, 1);
            EXPECT_EQ(Game.State().WaitingForClick, 0);
        }
    });
    EXPECT_EQ(PlayFrom(), 0);
    // No second serve: the puck went on one pixel a frame from the first.
    const std::vector<std::uint32_t> frameTicks = FrameTicks();
    EXPECT_EQ(Yields.back().PuckX0, static_cast<int>(frameTicks.size()));
    EXPECT_GT(Yields.back().Tick, Game.Platform.Now - 1);
    EXPECT_EQ(Game.Platform.PendingEvents(), 0);
}

TEST_F(RallyTest, RightClickEndsTheProgramFromInsideTheRallyAtOnce) {
    Game.Platform.ScheduleButton(Game.Platform.Now + 100, Button::Right);
    Watch();
    EXPECT_EQ(PlayFrom(), 0);
    EXPECT_EQ(Game.Platform.Pointer, MousePointer::Default);
    EXPECT_FALSE(Game.Platform.Confinement.has_value());
    EXPECT_EQ(Game.State().PuckX[0], Yields.back().PuckX0) << "no step of the frame ran after the click";
}

TEST_F(RallyTest, ClosingTheWindowEndsTheProgramFromInsideTheRally) {
    Game.Platform.ScheduleClose(Game.Platform.Now + 100);
    Watch();
    EXPECT_EQ(PlayFrom(), 0);
    EXPECT_EQ(Game.State().PuckX[0], Yields.back().PuckX0);
}

TEST_F(RallyTest, WhenPuckZeroScoresPuckOneStaysWhereItWas) {
    Watch([this](int pump) {
        if (pump == 30) {
            auto& s = Game.State();
            s.PuckX[0] = 100;  // one step from the top goal
            s.PuckY[0] = 1;
            s.PuckDX[0] = 1;
            s.PuckDY[0] = -1;
        }
    });
    EXPECT_EQ(PlayFrom(Modifier::Shift), -1);
    const auto& s = Game.State();
    EXPECT_EQ(s.PuckCount, 2);
    EXPECT_EQ(s.PlayerScore, 1);
    EXPECT_EQ(s.PuckX[0], 101);
    EXPECT_EQ(s.PuckY[0], 0);
    EXPECT_EQ(s.PuckX[1], Yields.back().PuckX1) << "puck 1 did not move in the scoring frame";
    EXPECT_EQ(s.PuckY[1], Yields.back().PuckY1);
    EXPECT_EQ(s.PuckDX[1], -1);
}

TEST_F(RallyTest, TwoPuckServeSendsPuckOneUpFromTheRightWall) {
    Watch([](int pump) {
        if (pump == 2) throw platform::ProgramEnd{0};
    });
    PlayFrom(Modifier::Shift);
    const auto& s = Game.State();
    EXPECT_EQ(s.PuckX[1], 215);
    EXPECT_EQ(s.PuckY[1], 149);
    EXPECT_EQ(s.PuckDX[1], -1);
    EXPECT_EQ(s.PuckDY[1], -1);
    // The CPU steered twice in the frame.
    EXPECT_EQ(s.MalletX[rally::Cpu], 2);
}

TEST_F(RallyTest, OnePuckMatchLeavesSlotOneAlone) {
    auto& s = Game.State();
    s.PuckX[1] = 33;
    s.PuckY[1] = 44;
    s.PuckDX[1] = 3;
    s.PuckDY[1] = 4;
    Watch([](int pump) {
        if (pump == 50) throw platform::ProgramEnd{0};
    });
    PlayFrom();
    EXPECT_EQ(s.PuckX[1], 33);
    EXPECT_EQ(s.PuckY[1], 44);
    EXPECT_EQ(s.PuckDX[1], 3);
    EXPECT_EQ(s.PuckDY[1], 4);
}

}  // namespace
}  // namespace vork
