// The game's page in Chromium, measured as a player's machine would feel it:
// how soon the table shows, the rally's frame rate and periods (from the
// game's own presents), and the processor the browser uses (all its
// processes, the X server apart) in a rally, side by side with a floor page
// (bench/web/floor.html) in the same browser and with the desktop game. Each
// runs on an X server of its own; one runs while the others are stopped.
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/window/BenchMain.h"
#include "bench/window/RallyRounds.h"
#include "bench/window/Statistics.h"
#include "tests/web/harness/BrowserSession.h"
#include "tests/window/harness/ExpectedPictures.h"

namespace vork::bench {
namespace {

constexpr int Rounds = 5;
constexpr int Launches = 5;

// Every process below `root`, found through the parents /proc names.
std::vector<pid_t> Descendants(pid_t root) {
    std::multimap<pid_t, pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
            continue;
        }
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        fields >> state >> parent;
        children.emplace(parent, static_cast<pid_t>(std::stol(name)));
    }
    std::vector<pid_t> found;
    std::vector<pid_t> next{root};
    while (!next.empty()) {
        const pid_t pid = next.back();
        next.pop_back();
        for (auto [child, end] = children.equal_range(pid); child != end; ++child) {
            found.push_back(child->second);
            next.push_back(child->second);
        }
    }
    return found;
}

using Usage = std::map<pid_t, ThreadTotals>;

Usage UsageOf(const std::vector<pid_t>& pids) {
    Usage usage;
    for (const pid_t pid : pids) {
        if (const auto totals = TotalsOfThreads(pid)) {
            usage[pid] = *totals;
        }
    }
    return usage;
}

// What the processes alive at both readings used between them: a browser
// starts and ends helper processes as it goes.
ThreadTotals Between(const Usage& before, const Usage& after) {
    ThreadTotals used;
    for (const auto& [pid, later] : after) {
        if (const auto earlier = before.find(pid); earlier != before.end()) {
            const ThreadTotals delta = later - earlier->second;
            used.Processor += delta.Processor;
            used.VoluntarySwitches += delta.VoluntarySwitches;
        }
    }
    return used;
}

// One thing measured: its processes, its X server, its frames if it tells
// them (milliseconds apart), and whether a goal cut an interval short.
struct Measured {
    const char* Name;
    std::function<std::vector<pid_t>()> Processes;
    pid_t Server;
    std::function<std::vector<double>()> FrameTimesMs = [] { return std::vector<double>{}; };
    std::function<bool()> Interrupted = [] { return false; };

    void Signal(int signal) const {
        for (const pid_t pid : Processes()) {
            kill(pid, signal);
        }
    }
};

bool MeasureInterval(const Measured& subject, Figures& figures) {
    subject.FrameTimesMs();
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    const Usage serverBefore = UsageOf({subject.Server});
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(Interval);
    const Usage after = UsageOf(pids);
    const Usage serverAfter = UsageOf({subject.Server});
    const double seconds = Seconds(Clock::now() - start);
    const std::vector<double> frames = subject.FrameTimesMs();
    if (subject.Interrupted()) {
        return false;
    }
    for (std::size_t i = 1; i < frames.size(); ++i) {
        figures.PeriodsMs.push_back(frames[i] - frames[i - 1]);
    }
    const ThreadTotals used = Between(before, after);
    figures.Seconds += seconds;
    figures.ProcessorSeconds += Seconds(used.Processor);
    figures.ServerSeconds += Seconds(Between(serverBefore, serverAfter).Processor);
    figures.WakeUps += used.VoluntarySwitches;
    return true;
}

std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> numbers;
    for (double number; in >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

double IdleShare(const Measured& subject) {
    std::this_thread::sleep_for(1s);
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    std::this_thread::sleep_for(3s);
    return 100 * Seconds(Between(before, UsageOf(pids)).Processor) / 3;
}

int Run() {
    std::vector<double> firstPictures;
    for (int launch = 0; launch < Launches; ++launch) {
        XDesktop desktop;
        BrowserSession page(desktop);
        firstPictures.push_back(page.WaitForTable());
    }

    XDesktop pageDesktop;
    BrowserSession page(pageDesktop);
    page.WaitForTable();
    XDesktop floorDesktop;
    BrowserSession floor(floorDesktop, {.Page = "floor.html", .Site = VORK_BENCH_WEB_DIR});
    XDesktop gameDesktop;
    GameSession game(gameDesktop);
    if (!game.WaitForWindow(10s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        std::fprintf(stderr, "the desktop game's title never appeared\n");
        return 1;
    }

    RallyRun pageRally([&] { return page.Caption(); },
                       [&] {
                           page.ClickToPlay();
                           std::this_thread::sleep_for(300ms);
                           return true;
                       });
    RallyRun gameRally([&] { return game.Caption(); },
                       [&] {
                           game.ClickToPlay();
                           return game.WaitForPuck(2s);
                       });
    const Measured pageSubject{"page", [&] { return Descendants(page.DriverPid()); }, pageDesktop.Server.Pid(),
                               [&] { return Numbers(page.Ask("presents")); }, [&] { return pageRally.EndedByGoal(); }};
    const Measured floorSubject{"floor", [&] { return Descendants(floor.DriverPid()); }, floorDesktop.Server.Pid(),
                                [&] { return Numbers(floor.Ask("presents")); }};
    const Measured gameSubject{"desktop", [&] { return std::vector<pid_t>{game.Process().Pid()}; },
                               gameDesktop.Server.Pid(), [] { return std::vector<double>{}; },
                               [&] { return gameRally.EndedByGoal(); }};
    const Measured* subjects[] = {&pageSubject, &floorSubject, &gameSubject};

    const double idle = IdleShare(pageSubject);
    floorSubject.Signal(SIGSTOP);
    pageRally.Start();
    gameRally.Start();
    std::map<std::string, std::vector<Figures>> rounds;
    std::printf("rounds of %d x %.0f s each, one subject running at a time:\n", IntervalsPerRound, Seconds(Interval));
    for (int round = 1; round <= Rounds; ++round) {
        for (const Measured* subject : subjects) {
            for (const Measured* other : subjects) {
                other->Signal(other == subject ? SIGCONT : SIGSTOP);
            }
            const auto figures = MeasureRoundWith([&](Figures& f) { return MeasureInterval(*subject, f); });
            if (!figures) {
                std::fprintf(stderr, "round %d: the %s kept being interrupted\n", round, subject->Name);
                return 1;
            }
            PrintRound(subject->Name, round, *figures);
            rounds[subject->Name].push_back(*figures);
        }
    }
    for (const Measured* subject : subjects) {
        subject->Signal(SIGCONT);
    }

    const Medians p = MediansOf(rounds["page"]);
    const Medians f = MediansOf(rounds["floor"]);
    const Medians d = MediansOf(rounds["desktop"]);
    std::vector<double> periods;
    double seconds = 0;
    for (const Figures& figures : rounds["page"]) {
        periods.insert(periods.end(), figures.PeriodsMs.begin(), figures.PeriodsMs.end());
        seconds += figures.Seconds;
    }
    std::printf("\nmedians of %d rounds            page     floor   page / floor   desktop game\n", Rounds);
    std::printf("processor, %% of a core        %6.2f    %6.2f    %5.2f          %6.2f\n", p.Share, f.Share,
                p.Share / f.Share, d.Share);
    std::printf("X server, %% of a core         %6.2f    %6.2f    %5.2f          %6.2f\n", p.ServerShare, f.ServerShare,
                p.ServerShare / f.ServerShare, d.ServerShare);
    std::printf("(the page and the floor: all of Chromium's processes; the desktop game: its own)\n");
    std::printf("\nrally frames: %zu in %.1f s: %.2f per second; period p50 %.2f ms, p99 %.2f ms, longest %.2f ms\n",
                periods.size(), seconds, static_cast<double>(periods.size()) / seconds, Median(periods),
                Quantile(periods, 0.99), Max(periods));
    std::printf("first picture after opening the page: median %.0f ms (%d launches, %.0f to %.0f)\n",
                Median(firstPictures), Launches, Min(firstPictures), Max(firstPictures));
    std::printf("idle title page: %.2f %% of a core\n", idle);
    std::printf("goals during the run: %d (their intervals discarded)\n", pageRally.Goals());
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main() { return vork::bench::RunReportingErrors("vork_bench_web", vork::bench::Run); }
