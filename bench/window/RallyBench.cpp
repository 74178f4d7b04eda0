// Plays a rally and measures it from outside the game: frame rate and
// regularity by the window's damage reports, the game's processor use, and
// how soon a pointer move shows on the table.
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/window/Statistics.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/FakeMotion.h"
#include "tests/window/harness/FrameClock.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/ProcessStats.h"
#include "tests/window/harness/WindowQueries.h"

namespace vork::bench {
namespace {

using namespace vork::testing;

constexpr Clock::duration FrameSpan = 5s;
constexpr Clock::duration FrameInterval = 1s;
constexpr int LatencySamples = 20;
constexpr int MaxDiscards = 20;
// Far enough apart that the mallet's new place cannot be mistaken for the old.
constexpr Point MoveTargets[] = {{60, 250}, {150, 250}};

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

struct FrameFigures {
    std::vector<double> PeriodsMs;
    double Seconds = 0;
    double ProcessorSeconds = 0;
};

// One second of frames, added to `figures` unless a goal cut it short.
bool MeasureInterval(GameSession& game, FrameClock& clock, RallyRun& rally, FrameFigures& figures) {
    clock.Drain();
    const auto first = clock.NextUpdate(1s);
    const auto cpuBefore = ProcessorTime(game.Process().Pid());
    if (!first || !cpuBefore) {
        rally.EndedByGoal();
        return false;
    }
    std::vector<Clock::time_point> stamps{*first};
    while (stamps.back() - *first < FrameInterval) {
        // The table is redrawn every frame until a goal: a silence means one.
        const auto next = clock.NextUpdate(200ms);
        if (!next) {
            rally.EndedByGoal();
            return false;
        }
        stamps.push_back(*next);
    }
    const auto cpuAfter = ProcessorTime(game.Process().Pid());
    if (rally.EndedByGoal() || !cpuAfter) {
        return false;
    }
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        figures.PeriodsMs.push_back(Milliseconds(stamps[i] - stamps[i - 1]));
    }
    figures.Seconds += std::chrono::duration<double>(stamps.back() - stamps.front()).count();
    figures.ProcessorSeconds += std::chrono::duration<double>(*cpuAfter - *cpuBefore).count();
    return true;
}

// A resting mallet lets the puck score within seconds, so the frames are
// gathered a second at a time, between goals.
std::optional<FrameFigures> MeasureFrames(GameSession& game, FrameClock& clock, RallyRun& rally) {
    FrameFigures figures;
    int discarded = 0;
    while (figures.Seconds < std::chrono::duration<double>(FrameSpan).count()) {
        if (!MeasureInterval(game, clock, rally, figures) && ++discarded > MaxDiscards) {
            return std::nullopt;
        }
    }
    return figures;
}

// Where the mallet's bounding box lies relative to the pointer's hot spot.
std::optional<Point> MalletOffset(GameSession& game, Point origin, Point target) {
    FakeMotion(game.Desktop().X, {origin.X + target.X, origin.Y + target.Y});
    std::this_thread::sleep_for(200ms);
    const auto shot = game.Grab();
    const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
    if (!mallet) {
        return std::nullopt;
    }
    return Point{mallet->Left - target.X, mallet->Top - target.Y};
}

std::vector<double> MeasureMoveLatency(GameSession& game, FrameClock& clock, RallyRun& rally, Point origin) {
    std::vector<double> latenciesMs;
    const auto offset = MalletOffset(game, origin, MoveTargets[0]);
    if (!offset) {
        return latenciesMs;
    }
    int discarded = 0;
    for (int i = 1; static_cast<int>(latenciesMs.size()) < LatencySamples && discarded < MaxDiscards; ++i) {
        const Point target = MoveTargets[i % 2];
        const Point expected{target.X + offset->X, target.Y + offset->Y};
        clock.Drain();
        FakeMotion(game.Desktop().X, {origin.X + target.X, origin.Y + target.Y});
        const Clock::time_point moved = Clock::now();
        std::optional<double> latency;
        while (!latency && Clock::now() - moved < 1s) {
            const auto update = clock.NextUpdate(200ms);
            if (!update) {
                break;
            }
            const auto shot = game.Grab();
            const auto mallet = shot ? FindPlayerMallet(*shot) : std::nullopt;
            if (mallet && mallet->TopLeft() == expected) {
                latency = Milliseconds(*update - moved);
            }
        }
        if (rally.EndedByGoal() || !latency) {
            ++discarded;
            continue;
        }
        latenciesMs.push_back(*latency);
        // Vary the move's place in the frame period.
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + (i * 7) % 10));
    }
    return latenciesMs;
}

int Run() {
    XDesktop desktop;
    GameSession game(desktop);
    if (!game.WaitForWindow(10s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        std::fprintf(stderr, "the title never appeared\n");
        return 1;
    }
    const auto origin = ClientOrigin(desktop.X, game.Window());
    FrameClock clock(desktop.X, game.Window());
    RallyRun rally(game, clock);
    if (!origin || !rally.Start()) {
        std::fprintf(stderr, "the rally did not start\n");
        return 1;
    }

    const auto frames = MeasureFrames(game, clock, rally);
    if (!frames) {
        std::fprintf(stderr, "goals kept cutting the rally short\n");
        return 1;
    }
    const std::vector<double> latencies = MeasureMoveLatency(game, clock, rally, *origin);

    std::printf("rally measured over:          %.2f s in 1 s intervals, %zu frame periods\n", frames->Seconds, frames->PeriodsMs.size());
    std::printf("frames per second:            %.1f\n", static_cast<double>(frames->PeriodsMs.size()) / frames->Seconds);
    std::printf("frame period (ms):            median %.2f  p99 %.2f  min %.2f  max %.2f\n",
                Median(frames->PeriodsMs), Quantile(frames->PeriodsMs, 0.99), Min(frames->PeriodsMs),
                Max(frames->PeriodsMs));
    std::printf("game processor use:           %.1f %% of one core\n",
                100.0 * frames->ProcessorSeconds / frames->Seconds);
    if (latencies.empty()) {
        std::printf("move to mallet shown (ms):    not measured\n");
    } else {
        std::printf("move to mallet shown (ms):    median %.2f  min %.2f  max %.2f  (%zu moves)\n", Median(latencies),
                    Min(latencies), Max(latencies), latencies.size());
    }
    std::printf("goals during the run:         %d (their intervals discarded)\n", rally.Goals());
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() {
    try {
        return vork::bench::Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vork_bench_rally: %s\n", error.what());
        return 1;
    }
}
