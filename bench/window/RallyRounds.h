#pragma once

// Measuring a rally on the screen: frames from the X server's damage
// reports, processor time and wake-ups from the scheduler. Shared by the
// benchmarks that play one.
#include <sys/types.h>

#include <functional>
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

// A rally in progress, and the goals that interrupt it.
class RallyRun {
public:
    RallyRun(GameSession& game, FrameClock& clock) : game_(game), clock_(clock) {}

    bool Start() {
        caption_ = game_.Caption();
        game_.ClickToPlay();
        const bool started = game_.WaitForPuck(2s);
        clock_.Drain();
        return started;
    }
    // A goal changes the caption: then the rally has ended and is resumed.
    bool EndedByGoal() {
        if (game_.Caption() == caption_) {
            return false;
        }
        ++goals_;
        Start();
        return true;
    }
    int Goals() const { return goals_; }

private:
    GameSession& game_;
    FrameClock& clock_;
    std::string caption_;
    int goals_ = 0;
};

struct Figures {
    std::vector<double> PeriodsMs;
    double Seconds = 0;
    double ProcessorSeconds = 0;
    double ServerSeconds = 0;
    long WakeUps = 0;

    double Share() const { return 100 * ProcessorSeconds / Seconds; }
    double ServerShare() const { return 100 * ServerSeconds / Seconds; }
    double WakeUpsPerSecond() const { return static_cast<double>(WakeUps) / Seconds; }
    double FramesPerSecond() const { return static_cast<double>(PeriodsMs.size()) / Seconds; }
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

struct Medians {
    double Share, ServerShare, WakeUps, Fps, P50, P99;
};
Medians MediansOf(const std::vector<Figures>& rounds);
void PrintRound(const char* who, int round, const Figures& f);

// How often the game wakes on its idle title screen, over two seconds.
std::optional<double> IdleWakeUpsPerSecond(pid_t game);

}  // namespace vork::bench
