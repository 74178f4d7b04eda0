#include "platform/MemoryPlatform.h"

#include <algorithm>

#include "platform/Rounding.h"
#include "platform/UnitRandom.h"

namespace vork::platform {
namespace {

// Signed distance from `from` to `to` on the wrapping 32-bit tick counter.
std::int32_t TicksUntil(std::uint32_t from, std::uint32_t to) { return static_cast<std::int32_t>(to - from); }

}  // namespace

MemoryPlatform::MemoryPlatform(int clientWidth, int clientHeight, std::uint32_t startTick)
    : Platform(clientWidth, clientHeight), Now(startTick) {}

void MemoryPlatform::ScheduleMove(std::uint32_t tick, float x, float y, std::int16_t buttons, std::int16_t shift) {
    Schedule({ScriptedEvent::Kind::Move, tick, buttons, shift, x, y});
}

void MemoryPlatform::ScheduleButton(std::uint32_t tick, std::int16_t button, std::int16_t shift) {
    Schedule({ScriptedEvent::Kind::Button, tick, button, shift, 0, 0});
}

void MemoryPlatform::ScheduleClose(std::uint32_t tick) { Schedule({ScriptedEvent::Kind::Close, tick, 0, 0, 0, 0}); }

void MemoryPlatform::Schedule(const ScriptedEvent& event) {
    // Kept in tick order; events for the same tick stay in the order given.
    // Searched from the back, since scripts mostly add events in order.
    auto notLater = std::find_if(script_.rbegin(), script_.rend(), [&](const ScriptedEvent& queued) {
        return TicksUntil(event.Tick, queued.Tick) <= 0;
    });
    script_.insert(notLater.base(), event);
}

void MemoryPlatform::QueueRandom(double value) {
    if (!(value >= 0.0 && value < 1.0)) {
        throw std::invalid_argument("scripted random numbers must lie in [0, 1)");
    }
    randoms_.push_back(value);
}

bool MemoryPlatform::IsDue(const ScriptedEvent& event) const { return TicksUntil(Now, event.Tick) <= 0; }

void MemoryPlatform::BitBlt(int x, int y, int width, int height, const Image& source, int sourceX, int sourceY,
                            RasterOp op) {
    if (RecordBlits) {
        Blits.push_back({x, y, width, height, sourceX, sourceY, op});
    }
    Platform::BitBlt(x, y, width, height, source, sourceX, sourceY, op);
}

std::uint32_t MemoryPlatform::GetTickCount() {
    if (BeforeTickRead) {
        BeforeTickRead();
    }
    return Now;
}

void MemoryPlatform::PumpEvents() {
    ++PumpCount;
    if (BeforePump) {
        BeforePump();
    }
    while (!script_.empty() && IsDue(script_.front())) {
        const ScriptedEvent event = script_.front();
        script_.pop_front();
        switch (event.What) {
            case ScriptedEvent::Kind::Move:
                Events().Move(event.Button, event.Shift, event.X, event.Y);
                break;
            case ScriptedEvent::Kind::Button:
                Events().Button(event.Button, event.Shift, event.X, event.Y);
                break;
            case ScriptedEvent::Kind::Close:
                Events().Close();
                break;
        }
    }
    Events().Flush();
}

void MemoryPlatform::SleepUntil(std::uint32_t tick) {
    if (TicksUntil(Now, tick) > 0) {
        Now = tick;
    }
}

void MemoryPlatform::WaitForInput() {
    if (script_.empty()) {
        throw ScriptExhausted();
    }
    if (!IsDue(script_.front())) {
        Now = script_.front().Tick;
    }
}

double MemoryPlatform::Random() {
    if (!randoms_.empty()) {
        const double value = randoms_.front();
        randoms_.pop_front();
        return value;
    }
    return UnitRandom(fallback_);
}

void MemoryPlatform::ReseedRandomFromClock() {
    ++ReseedCount;
    fallback_.seed(Now);
}

int MemoryPlatform::DrawText(std::string_view text, int x, int y, double points, Rgb colour) {
    Texts.push_back({std::string(text), x, y, points, colour});
    // One em at 96 dots per inch, plus the usual leading.
    return RoundToPixel(points * 96.0 / 72.0 * 1.15);
}

}  // namespace vork::platform
