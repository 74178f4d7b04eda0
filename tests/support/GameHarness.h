#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/MemoryPlatform.h"
#include "shell/Form1.h"

namespace vork::testing {

// Thrown from a pump once a scripted session has run longer than a test allows.
struct TooManyPumps : std::runtime_error {
    TooManyPumps() : std::runtime_error("the game pumped events more often than the test allows") {}
};

// The whole game on the in-memory platform, loaded and showing its title.
struct GameHarness {
    explicit GameHarness(int width = 240, int height = 335, std::uint32_t startTick = 1000)
        : Platform(width, height, startTick), Form(Platform) {
        Platform.SetEventSink(&Form);
        Form.OnWindowLoad();
        TitleTexts = std::move(Platform.Texts);
        Platform.Texts.clear();
    }

    // Runs the window's event loop until the script is used up. Returns the
    // program's exit status if it ended, or -1 if it was still running.
    int RunScript(int maxPumps = 1'000'000) {
        const int limit = Platform.PumpCount + maxPumps;
        Platform.BeforePump = [this, limit] {
            if (Platform.PumpCount > limit) throw TooManyPumps();
            if (OnPump) OnPump();
        };
        try {
            Form.Run();
        } catch (const platform::ScriptExhausted&) {
            return -1;
        } catch (const platform::ProgramEnd& end) {
            return end.Status;
        }
    }

    // A left click now (with the given modifiers), played until the game waits again.
    int Click(std::int16_t shift = 0, int maxPumps = 1'000'000) {
        Platform.ScheduleButton(Platform.Now, platform::Button::Left, shift);
        return RunScript(maxPumps);
    }

    rally::MatchState& State() { return Form.State; }

    // Runs at every yield to the platform, before its events are handled.
    std::function<void()> OnPump;

    platform::MemoryPlatform Platform;
    shell::Form1 Form;
    // What the title screen printed, before the tests' own texts start.
    std::vector<platform::MemoryPlatform::PrintedText> TitleTexts;
};

}  // namespace vork::testing
