#pragma once

// Measuring a rally on the screen: frames from the X server's damage
// reports, processor time and wake-ups from the scheduler. Shared by the
// benchmarks that play one.
#include <sys/types.h>

#include <functional>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "tests/window/harness/FrameClock.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/ProcessStats.h"

namespace vork::bench {

using namespace vork::testing;

constexpr int IntervalsPerRound = 3;
constexpr Clock::duration Interval = 1s;
constexpr int MaxDiscards = 30;

// A rally in progress, and the goals that interrupt it: on a window or a
// page, whatever reads the caption and starts a rally (true once it is on).
class RallyRun {
public:
    RallyRun(std::function<std::string()> caption, std::function<bool()> start)
        : caption_(std::move(caption)), start_(std::move(start)) {}
    // The game in its window, the frames on `clock`.
    RallyRun(GameSession& game, FrameClock& clock);

    bool Start() {
        last_ = caption_();
        return start_();
    }
    // A goal changes the caption: then the rally has ended and is resumed.
    bool EndedByGoal() {
        if (caption_() == last_) {
            return false;
        }
        ++goals_;
        Start();
        return true;
    }
    int Goals() const { return goals_; }

private:
    std::function<std::string()> caption_;
    std::function<bool()> start_;
    std::string last_;
    int goals_ = 0;
};

inline double FramesPerSecondOf(const std::vector<double>& periodsMs) {
    double spanMs = 0;
    for (const double period : periodsMs) {
        spanMs += period;
    }
    return spanMs > 0 ? 1000 * static_cast<double>(periodsMs.size()) / spanMs : 0;
}

struct Figures {
    std::vector<double> PeriodsMs;
    double Seconds = 0;
    double ProcessorSeconds = 0;
    double ServerSeconds = 0;
    long WakeUps = 0;

    double Share() const { return 100 * ProcessorSeconds / Seconds; }
    double ServerShare() const { return 100 * ServerSeconds / Seconds; }
    double WakeUpsPerSecond() const { return static_cast<double>(WakeUps) / Seconds; }
    // Over the frames' own span: a browser's frames are asked for after the
    // interval, and an interval's count of periods has one fewer than its frames.
    double FramesPerSecond() const { return FramesPerSecondOf(PeriodsMs); }
};

// The processes a figure is taken of: the program that shows the frames
// first, then any that work for it (Wine's wineserver).
using Subject = std::vector<pid_t>;

// One interval of frames, added to `figures` unless `interrupted` says a goal
// cut it short; a silence of 200 ms means the same.
bool MeasureInterval(const Subject& subject, pid_t server, FrameClock& clock,
                     const std::function<bool()>& interrupted, Figures& figures);
// IntervalsPerRound intervals; nullopt if too many were cut short.
std::optional<Figures> MeasureRound(const Subject& subject, pid_t server, FrameClock& clock,
                                    const std::function<bool()>& interrupted);
// The same, each interval measured by `measure`, which adds it to the figures
// it is given and returns true, or returns false if it was cut short; the
// first after `settle`, for a subject that has just been resumed.
std::optional<Figures> MeasureRoundWith(const std::function<bool(Figures&)>& measure, Clock::duration settle = 200ms);

struct Medians {
    double Share, ServerShare, WakeUps, Fps, P50, P99;
};
Medians MediansOf(const std::vector<Figures>& rounds);
void PrintRound(const char* who, int round, const Figures& f);

// How often the game wakes on its idle title screen, over two seconds.
std::optional<double> IdleWakeUpsPerSecond(pid_t game);

}  // namespace vork::bench
