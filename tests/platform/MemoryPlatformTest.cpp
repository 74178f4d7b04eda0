#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MemoryPlatform.h"

namespace vork::platform {
namespace {

// Writes down every event in a line of text.
struct RecordingSink : EventSink {
    std::vector<std::string> Log;
    void OnMouseButton(std::int16_t button, std::int16_t shift, float, float) override {
        Log.push_back("button " + std::to_string(button) + " shift " + std::to_string(shift));
    }
    void OnMouseMove(std::int16_t, std::int16_t, float x, float y) override {
        Log.push_back("move " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
    }
    void OnWindowClose() override { Log.push_back("close"); }
};

struct MemoryPlatformTest : ::testing::Test {
    MemoryPlatform Platform{240, 335, 100};
    RecordingSink Sink;
    void SetUp() override { Platform.SetEventSink(&Sink); }
};

TEST_F(MemoryPlatformTest, OnePumpMergesARunOfMovesIntoTheLatest) {
    for (int i = 1; i <= 5; ++i) Platform.ScheduleMove(100, 10.0F * i, 200);
    Platform.PumpEvents();
    EXPECT_EQ(Sink.Log, (std::vector<std::string>{"move 50,200"}));
}

TEST_F(MemoryPlatformTest, MovesAroundOtherEventsKeepTheirOrder) {
    Platform.ScheduleMove(100, 1, 1);
    Platform.ScheduleMove(100, 2, 2);
    Platform.ScheduleButton(100, Button::Left, Modifier::Shift);
    Platform.ScheduleMove(100, 3, 3);
    Platform.ScheduleMove(100, 4, 4);
    Platform.ScheduleClose(100);
    Platform.PumpEvents();
    EXPECT_EQ(Sink.Log, (std::vector<std::string>{"move 2,2", "button 1 shift 1", "move 4,4", "close"}));
}

TEST_F(MemoryPlatformTest, EventsArriveOnlyOnceTheirTickHasCome) {
    Platform.ScheduleMove(105, 1, 1);
    Platform.ScheduleMove(103, 2, 2);
    Platform.PumpEvents();
    EXPECT_TRUE(Sink.Log.empty());
    Platform.WaitForInput();
    EXPECT_EQ(Platform.Now, 103u) << "waiting for input ends at the first event";
    Platform.PumpEvents();
    EXPECT_EQ(Sink.Log, (std::vector<std::string>{"move 2,2"}));
    Platform.SleepUntil(110);
    EXPECT_EQ(Platform.Now, 110u) << "a sleep lasts to its deadline, whatever arrives meanwhile";
    Platform.SleepUntil(104);
    EXPECT_EQ(Platform.Now, 110u) << "a deadline already passed does not turn the clock back";
    Platform.PumpEvents();
    EXPECT_THROW(Platform.WaitForInput(), ScriptExhausted);
}

TEST_F(MemoryPlatformTest, ClockOrdersEventsAcrossTheCounterWrap) {
    MemoryPlatform wrapping(240, 335, 0xFFFFFFF0u);
    wrapping.SetEventSink(&Sink);
    wrapping.ScheduleMove(0x00000004u, 2, 2);
    wrapping.ScheduleMove(0xFFFFFFF8u, 1, 1);
    wrapping.WaitForInput();
    EXPECT_EQ(wrapping.Now, 0xFFFFFFF8u);
    wrapping.PumpEvents();
    wrapping.WaitForInput();
    EXPECT_EQ(wrapping.Now, 4u);
    wrapping.PumpEvents();
    wrapping.SleepUntil(0x00000010u);
    EXPECT_EQ(wrapping.Now, 0x10u);
    EXPECT_EQ(Sink.Log, (std::vector<std::string>{"move 1,1", "move 2,2"}));
}

TEST_F(MemoryPlatformTest, ScriptedRandomsComeFirstAndMustBeHalfOpen) {
    Platform.QueueRandom(0.25);
    EXPECT_EQ(Platform.Random(), 0.25);
    for (int i = 0; i < 1000; ++i) {
        const double r = Platform.Random();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_THROW(Platform.QueueRandom(1.0), std::invalid_argument);
    EXPECT_THROW(Platform.QueueRandom(-0.1), std::invalid_argument);
}

TEST_F(MemoryPlatformTest, PrintMovesTheCursorToTheNextLine) {
    Platform.SetForeColor({255, 255, 255});
    Platform.SetFontSize(16);
    Platform.CurrentX = 31;
    Platform.CurrentY = 172;
    Platform.Print("Click to Game Start!");
    ASSERT_EQ(Platform.Texts.size(), 1u);
    EXPECT_EQ(Platform.Texts[0].X, 31);
    EXPECT_EQ(Platform.Texts[0].Y, 172);
    EXPECT_EQ(Platform.Texts[0].Points, 16);
    EXPECT_EQ(Platform.CurrentX, 0);
    EXPECT_GT(Platform.CurrentY, 172 + 20);
}

TEST_F(MemoryPlatformTest, BackColourClearsThePicture) {
    Platform.Picture().Set(3, 3, {1, 1, 1});
    Platform.SetBackColor({128, 128, 128});
    EXPECT_EQ(Platform.Picture(), Image(240, 335, {128, 128, 128}));
}

}  // namespace
}  // namespace vork::platform
