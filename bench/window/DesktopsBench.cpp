// The game in a rally on the desktops players have: X11 and Wayland (weston
// nested on Xvfb), at scale 1 and 2, side by side: a fresh game on each in
// turn, in alternating rounds. For each, the game's resident memory at its
// peak and its share of a core while a rally runs, and Wayland's over X11's.
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

constexpr int Rounds = 3;
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

struct Series {
    std::vector<double> Shares;
    std::vector<double> PeaksMiB;
};

void Print(const char* desktop, int scale, const Series& series) {
    std::printf("%-26s scale %d: %5.2f %% of a core (runs:", desktop, scale, Median(series.Shares));
    for (const double share : series.Shares) {
        std::printf(" %.2f", share);
    }
    std::printf("), %5.1f MiB\n", Median(series.PeaksMiB));
}

int Run() {
    std::printf("a rally, medians of %d rounds of %d one-second intervals: processor, peak resident (VmHWM)\n", Rounds,
                Intervals);
    int failures = 0;
    for (const int scale : {1, 2}) {
        Series x11;
        Series wayland;
        for (int round = 0; round < Rounds; ++round) {
            for (const bool onWayland : {false, true}) {
                const auto figures = onWayland ? OnWayland(scale) : OnX11(scale);
                if (!figures) {
                    ++failures;
                    continue;
                }
                Series& series = onWayland ? wayland : x11;
                series.Shares.push_back(figures->SharePercent);
                series.PeaksMiB.push_back(static_cast<double>(figures->PeakResidentKb) / 1024);
            }
        }
        if (x11.Shares.empty() || wayland.Shares.empty()) {
            std::printf("scale %d: not measured\n", scale);
            continue;
        }
        Print("X11 (Xvfb)", scale, x11);
        Print("Wayland (weston, pixman)", scale, wayland);
        std::printf("%-26s scale %d: processor %.2f, resident %.2f\n", "Wayland / X11", scale,
                    Median(wayland.Shares) / Median(x11.Shares), Median(wayland.PeaksMiB) / Median(x11.PeaksMiB));
    }
    if (failures > 0) {
        std::printf("%d runs not measured\n", failures);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_desktops", vork::bench::Run); }
