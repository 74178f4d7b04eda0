// The game in a rally on the desktops players have: X11 and Wayland (weston
// nested on Xvfb), at scale 1 and 2. For each, the game's resident memory at
// its peak and its share of a core while a rally runs.
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/Statistics.h"
#include "tests/window/harness/DesktopSettings.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/ProcessStats.h"
#include "tests/window/harness/WaylandGameSession.h"

namespace vork::bench {
namespace {

using namespace vork::testing;

constexpr int Intervals = 5;
constexpr int MaxTries = 40;

struct Figures {
    double SharePercent;
    long PeakResidentKb;
};

// A second in which the game woke for nearly every frame was all rally; a
// quiet one means a goal ended it, and a click resumes the match.
std::optional<Figures> MeasureRally(pid_t game, const std::function<void()>& clickToPlay) {
    clickToPlay();
    std::vector<double> shares;
    for (int tries = 0; static_cast<int>(shares.size()) < Intervals && tries < MaxTries; ++tries) {
        const auto before = TotalsOfThreads(game);
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(1s);
        const auto after = TotalsOfThreads(game);
        if (!before || !after) {
            return std::nullopt;
        }
        const double seconds = Seconds(Clock::now() - start);
        const ThreadTotals used = *after - *before;
        if (used.VoluntarySwitches >= 95 * seconds) {
            shares.push_back(100 * Seconds(used.Processor) / seconds);
        } else if (used.VoluntarySwitches < 50 * seconds) {
            clickToPlay();
        }
    }
    const auto peak = PeakResidentKb(game);
    if (static_cast<int>(shares.size()) < Intervals || !peak) {
        return std::nullopt;
    }
    return Figures{Median(shares), *peak};
}

std::optional<Figures> OnX11(int scale) {
    XDesktop desktop;
    if (scale > 1) {
        SetResources(desktop.X, "Xft.dpi:\t" + std::to_string(96 * scale) + "\n");
    }
    GameSession game(desktop);
    if (!game.WaitForWindow(10s)) {
        return std::nullopt;
    }
    const Point at{GameFacts::RestingClick.X * scale, GameFacts::RestingClick.Y * scale};
    return MeasureRally(game.Process().Pid(), [&] { game.ClickToPlay(at); });
}

std::optional<Figures> OnWayland(int scale) {
    WestonDesktop desktop(scale);
    WaylandGameSession game(desktop, false);
    if (!game.WaitForWindow(10s)) {
        return std::nullopt;
    }
    return MeasureRally(game.Process().Pid(), [&] { game.ClickToPlay(); });
}

int Run() {
    std::printf("a rally, medians of %d one-second intervals   processor    peak resident (VmHWM)\n", Intervals);
    int failures = 0;
    for (const int scale : {1, 2}) {
        for (const bool wayland : {false, true}) {
            const auto figures = wayland ? OnWayland(scale) : OnX11(scale);
            const char* desktop = wayland ? "Wayland (weston, pixman)" : "X11 (Xvfb)";
            if (!figures) {
                std::printf("%-26s scale %d: not measured\n", desktop, scale);
                ++failures;
                continue;
            }
            std::printf("%-26s scale %d:              %5.2f %% of a core  %6.1f MiB\n", desktop, scale,
                        figures->SharePercent, static_cast<double>(figures->PeakResidentKb) / 1024);
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_desktops", vork::bench::Run); }
