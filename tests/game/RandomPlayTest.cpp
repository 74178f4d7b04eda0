#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "support/GameHarness.h"

namespace vork {
namespace {

using testing::GameHarness;

// What must hold after every frame, whatever the player does.
void ExpectInvariants(const rally::MatchState& s) {
    const bool title = s.PuckCount == 0 && s.WaitingForClick == 1;
    const bool inPlay = (s.PuckCount == 1 || s.PuckCount == 2) && (s.WaitingForClick == 0 || s.WaitingForClick == 1);
    ASSERT_TRUE(title || inPlay) << "phase " << s.PuckCount << "/" << s.WaitingForClick;
    for (int k = 0; k < s.PuckCount; ++k) {
        ASSERT_GE(s.PuckX[k], 0);
        ASSERT_LE(s.PuckX[k], 215);
        ASSERT_GE(s.PuckY[k], 0);
        ASSERT_LE(s.PuckY[k], 311);
        ASSERT_GE(std::abs(s.PuckDX[k]), 1);
        ASSERT_LE(std::abs(s.PuckDX[k]), 5);
        ASSERT_GE(std::abs(s.PuckDY[k]), 1);
        ASSERT_LE(std::abs(s.PuckDY[k]), 5);
    }
    ASSERT_GE(s.MalletX[rally::Cpu], 0);
    ASSERT_LE(s.MalletX[rally::Cpu], 215);
    ASSERT_GE(s.MalletY[rally::Cpu], 0);
    ASSERT_LE(s.MalletY[rally::Cpu], 130);
    if (s.WaitingForClick == 0) {
        ASSERT_TRUE(std::abs(s.CpuDX) == 1 && std::abs(s.CpuDY) == 1);
    }
    ASSERT_GE(s.PlayerScore, 0);
    ASSERT_LE(s.PlayerScore, 15);
    ASSERT_GE(s.CpuScore, 0);
    ASSERT_LE(s.CpuScore, 15);
    ASSERT_GE(s.StrikeSpeedX, 0);  // 0 until the first move or CPU strike
    ASSERT_LE(s.StrikeSpeedX, 5);
    ASSERT_GE(s.StrikeSpeedY, 0);
    ASSERT_LE(s.StrikeSpeedY, 5);
}

TEST(RandomPlay, HundredThousandFramesOfRandomInputKeepEveryInvariant) {
    GameHarness game;
    std::mt19937 random(20261207);
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    auto chance = [&](double p) { return uniform(0, 1) < p; };

    const std::uint32_t start = game.Platform.Now;
    constexpr std::uint32_t Duration = 100'000 * 10;  // ms of rallies and waits
    std::uint32_t scriptedUntil = start;
    int goals = 0;
    int lastTotal = 0;
    game.OnPump = [&] {
        const auto& s = game.State();
        ExpectInvariants(s);
        if (::testing::Test::HasFatalFailure()) throw platform::ProgramEnd{1};
        const int total = s.PlayerScore + s.CpuScore;
        goals += total != lastTotal && total != 0;
        lastTotal = total;
        if (game.Platform.Now - start >= Duration) throw platform::ProgramEnd{0};
        // Keep the script a little ahead of the clock.
        while (scriptedUntil - game.Platform.Now < 50) {
            scriptedUntil += 1 + static_cast<std::uint32_t>(uniform(0, 12));
            const double spread = chance(0.05) ? 1e6 : 400;  // now and then far outside, past 16 bits
            game.Platform.ScheduleMove(scriptedUntil, static_cast<float>(uniform(-spread, spread)),
                                       static_cast<float>(uniform(-spread, spread)));
            if (chance(0.02)) {
                const std::int16_t button = chance(0.8) ? platform::Button::Left : platform::Button::Middle;
                game.Platform.ScheduleButton(scriptedUntil, button, static_cast<std::int16_t>(uniform(0, 8)));
            }
        }
    };
    game.Platform.ScheduleButton(start, platform::Button::Left);
    EXPECT_EQ(game.RunScript(10'000'000), 0);
    EXPECT_GT(goals, 10) << "the random player should see goals scored";
}

}  // namespace
}  // namespace vork
