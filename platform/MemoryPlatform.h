#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace vork::platform {

// Thrown when the game waits for input and the script has none left: the
// natural end of a scripted session.
struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the game waits for input and the script has none left") {}
};

// A complete platform without a screen: the clock, input and random numbers
// are scripted, and the picture, caption, pointer and confinement are plain
// fields to read. Time passes only while the game waits.
class MemoryPlatform final : public Platform {
public:
    explicit MemoryPlatform(int clientWidth = 240, int clientHeight = 335, std::uint32_t startTick = 0);

    // --- scripting ---
    void ScheduleMove(std::uint32_t tick, float x, float y, std::int16_t buttons = 0, std::int16_t shift = 0);
    void ScheduleButton(std::uint32_t tick, std::int16_t button, std::int16_t shift = 0);
    void ScheduleClose(std::uint32_t tick);
    // Random numbers handed out before the seeded fallback generator is used.
    void QueueRandom(double value);
    std::uint32_t Now = 0;
    // Runs at the start of every pump, before any event is delivered.
    std::function<void()> BeforePump;
    // Runs whenever the game reads the clock: a test can spend time there,
    // as if the work before the reading had taken it.
    std::function<void()> BeforeTickRead;

    // --- what the game did ---
    struct PrintedText {
        std::string Text;
        int X;
        int Y;
        double Points;
        Rgb Colour;
    };
    struct Blit {
        int X, Y, Width, Height, SourceX, SourceY;
        RasterOp Op;
        friend bool operator==(const Blit&, const Blit&) = default;
    };
    bool Shown = false;
    std::string Caption;
    MousePointer Pointer = MousePointer::Default;
    std::optional<ClientRect> Confinement;
    std::vector<PrintedText> Texts;
    bool RecordBlits = false;
    std::vector<Blit> Blits;
    int PumpCount = 0;
    int ReseedCount = 0;
    int PendingEvents() const { return static_cast<int>(script_.size()); }

    // --- Platform ---
    void BitBlt(int x, int y, int width, int height, const Image& source, int sourceX, int sourceY,
                RasterOp op) override;
    void ShowWindow() override { Shown = true; }
    void SetCaption(std::string_view caption) override { Caption = caption; }
    void SetMousePointer(MousePointer shape) override { Pointer = shape; }
    void ClipCursor(std::optional<ClientRect> area) override { Confinement = area; }
    std::uint32_t GetTickCount() override;
    void PumpEvents() override;
    void SleepUntil(std::uint32_t tick) override;
    void WaitForInput() override;
    double Random() override;
    void ReseedRandomFromClock() override;

protected:
    int DrawText(std::string_view text, int x, int y, double points, Rgb colour) override;

private:
    struct ScriptedEvent {
        enum class Kind { Move, Button, Close } What;
        std::uint32_t Tick;
        std::int16_t Button;
        std::int16_t Shift;
        float X;
        float Y;
    };
    void Schedule(const ScriptedEvent& event);
    bool IsDue(const ScriptedEvent& event) const;

    std::deque<ScriptedEvent> script_;
    std::deque<double> randoms_;
    std::mt19937 fallback_{0};
};

}  // namespace vork::platform
