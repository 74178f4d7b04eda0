// The game's page in each browser engine, measured as a player's machine
// would feel it: how soon the table shows, the rally's frame rate and
// periods (from the game's own presents), and the processor the browser uses
// (all its processes, the X server apart) in a rally, side by side with a
// floor page (bench/web/floor.html) in the same browser, and with the
// desktop game. In each round each subject is started afresh on an X server
// of its own and measured alone: a browser stopped and resumed, as the
// window benchmarks do with their programs, catches up for seconds afterwards.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
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

// The processor a process has used, its ended threads' too: a browser's
// threads come and go, and a sum over the live ones shrinks as they end.
std::optional<std::chrono::nanoseconds> ProcessorOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 14; ++field) {
        fields >> skipped;
    }
    long long user = 0;
    long long system = 0;
    if (!(fields >> user >> system)) {
        return std::nullopt;
    }
    return std::chrono::nanoseconds((user + system) * 1'000'000'000LL / sysconf(_SC_CLK_TCK));
}

Usage UsageOf(const std::vector<pid_t>& pids) {
    Usage usage;
    for (const pid_t pid : pids) {
        const auto totals = TotalsOfThreads(pid);
        const auto processor = ProcessorOf(pid);
        if (totals && processor) {
            usage[pid] = {*processor, totals->VoluntarySwitches};
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

constexpr Clock::duration IdleSettle = 1s;
constexpr Clock::duration IdleInterval = 3s;
constexpr Clock::duration IdleMeasuredIn = IdleSettle + IdleInterval;

// The processor a subject uses, doing nothing.
double IdleShare(const Measured& subject) {
    std::this_thread::sleep_for(IdleSettle);
    const auto pids = subject.Processes();
    const Usage before = UsageOf(pids);
    std::this_thread::sleep_for(IdleInterval);
    return 100 * Seconds(Between(before, UsageOf(pids)).Processor) / Seconds(IdleInterval);
}

// A browser settles for a second after its page shows before it is measured.
std::optional<Figures> Measure(const Measured& subject) {
    return MeasureRoundWith([&](Figures& f) { return MeasureInterval(subject, f); }, 1s);
}

constexpr Engine AllEngines[] = {Engine::Chromium, Engine::Firefox, Engine::WebKit};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The engines named on the command line, or all of them: one engine alone is
// quicker to measure again while its pacing is worked on.
std::vector<Engine> EnginesNamed(int count, char** names) {
    std::vector<Engine> engines;
    for (const Engine engine : AllEngines) {
        const auto named = [&](const char* name) { return SameName(name, NameOf(engine)); };
        if (count <= 1 || std::any_of(names + 1, names + count, named)) {
            engines.push_back(engine);
        }
    }
    if (engines.empty()) {
        throw std::runtime_error("no such engine; the engines are chromium, firefox and webkit");
    }
    return engines;
}

// The game's page, from a fresh start: a rally, then the title's idle cost.
std::optional<Figures> PageRound(Engine engine, std::vector<double>& idleShares) {
    XDesktop desktop;
    BrowserSession page(desktop, {.Browser = engine});
    page.WaitForTable();
    const auto processes = [&] { return Descendants(page.DriverPid()); };
    idleShares.push_back(IdleShare(Measured{"page", processes, desktop.Server.Pid()}));
    RallyRun rally([&] { return page.Caption(); },
                   [&] {
                       page.ClickToPlay();
                       std::this_thread::sleep_for(300ms);
                       return true;
                   });
    rally.Start();
    return Measure({"page", processes, desktop.Server.Pid(), [&] { return Numbers(page.Ask("presents")); },
                    [&] { return rally.EndedByGoal(); }});
}

// The floor page, from a fresh start, given the time the game's page spends
// on its idle title first: a browser just started is busy for seconds.
std::optional<Figures> FloorRound(Engine engine) {
    XDesktop desktop;
    BrowserSession floor(desktop, {.Browser = engine, .Page = "floor.html", .Site = VORK_BENCH_WEB_DIR});
    std::this_thread::sleep_for(IdleMeasuredIn);
    return Measure({"floor", [&] { return Descendants(floor.DriverPid()); }, desktop.Server.Pid(),
                    [&] { return Numbers(floor.Ask("presents")); }});
}

std::optional<Figures> DesktopRound() {
    XDesktop desktop;
    GameSession game(desktop);
    if (!game.WaitForWindow(10s) || !game.WaitForPicture(TitlePicture(), 10s)) {
        return std::nullopt;
    }
    RallyRun rally([&] { return game.Caption(); },
                   [&] {
                       game.ClickToPlay();
                       return game.WaitForPuck(2s);
                   });
    rally.Start();
    return Measure({"desktop", [&] { return std::vector<pid_t>{game.Process().Pid()}; }, desktop.Server.Pid(),
                    [] { return std::vector<double>{}; }, [&] { return rally.EndedByGoal(); }});
}

// One engine's figures: the medians of its rounds and its launches.
struct EngineFigures {
    Medians Page;
    Medians Floor;
    double FramesPerSecond = 0;
    double PeriodP50 = 0;
    double PeriodP99 = 0;
    double FirstPicture = 0;
    double IdleShare = 0;
};

std::optional<EngineFigures> MeasureEngine(Engine engine) {
    const std::string name(NameOf(engine));
    std::vector<double> firstPictures;
    for (int launch = 0; launch < Launches; ++launch) {
        XDesktop desktop;
        BrowserSession page(desktop, {.Browser = engine});
        firstPictures.push_back(page.WaitForTable());
    }
    std::vector<double> idleShares;
    std::vector<Figures> pages;
    std::vector<Figures> floors;
    for (int round = 1; round <= Rounds; ++round) {
        const auto page = PageRound(engine, idleShares);
        const auto floor = FloorRound(engine);
        if (!page || !floor) {
            std::fprintf(stderr, "%s round %d: the %s did not play or kept being interrupted\n", name.c_str(), round,
                         page ? "floor" : "page");
            return std::nullopt;
        }
        PrintRound((name + " page").c_str(), round, *page);
        PrintRound((name + " floor").c_str(), round, *floor);
        pages.push_back(*page);
        floors.push_back(*floor);
    }
    std::vector<double> periods;
    for (const Figures& figures : pages) {
        periods.insert(periods.end(), figures.PeriodsMs.begin(), figures.PeriodsMs.end());
    }
    return EngineFigures{MediansOf(pages),      MediansOf(floors),
                         FramesPerSecondOf(periods),
                         Median(periods),       Quantile(periods, 0.99),
                         Median(firstPictures), Median(idleShares)};
}

int Run(const std::vector<Engine>& engines) {
    std::printf("rounds of %d x %.0f s each, each subject alone and from a fresh start:\n", IntervalsPerRound,
                Seconds(Interval));
    std::vector<EngineFigures> measured;
    for (const Engine engine : engines) {
        const auto figures = MeasureEngine(engine);
        if (!figures) {
            return 1;
        }
        measured.push_back(*figures);
    }
    std::vector<Figures> desktops;
    for (int round = 1; round <= Rounds; ++round) {
        const auto figures = DesktopRound();
        if (!figures) {
            std::fprintf(stderr, "round %d: the desktop game did not play or kept being interrupted\n", round);
            return 1;
        }
        PrintRound("desktop", round, *figures);
        desktops.push_back(*figures);
    }

    const auto row = [&](const char* what, const char* format, const std::function<double(const EngineFigures&)>& of) {
        std::printf("%-44s", what);
        for (const EngineFigures& figures : measured) {
            std::printf(format, of(figures));
        }
        std::printf("\n");
    };
    std::printf("\nmedians of %d rounds (%d launches)              ", Rounds, Launches);
    for (const Engine engine : engines) {
        std::printf("%10s", std::string(NameOf(engine)).c_str());
    }
    std::printf("\n");
    row("rally frames per second", "%10.2f", [](const EngineFigures& f) { return f.FramesPerSecond; });
    row("frame period p50, ms", "%10.2f", [](const EngineFigures& f) { return f.PeriodP50; });
    row("frame period p99, ms", "%10.2f", [](const EngineFigures& f) { return f.PeriodP99; });
    row("processor in a rally, page, % of a core", "%10.2f", [](const EngineFigures& f) { return f.Page.Share; });
    row("processor, floor page, % of a core", "%10.2f", [](const EngineFigures& f) { return f.Floor.Share; });
    row("page / floor", "%10.2f", [](const EngineFigures& f) { return f.Page.Share / f.Floor.Share; });
    row("X server in a rally, page, % of a core", "%10.2f", [](const EngineFigures& f) { return f.Page.ServerShare; });
    row("X server, floor page, % of a core", "%10.2f", [](const EngineFigures& f) { return f.Floor.ServerShare; });
    row("first picture after opening the page, ms", "%10.0f", [](const EngineFigures& f) { return f.FirstPicture; });
    row("idle title page, % of a core", "%10.2f", [](const EngineFigures& f) { return f.IdleShare; });
    std::printf("(each browser: all its processes; the desktop game beside them, its own: %.2f %% of a core)\n",
                MediansOf(desktops).Share);
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main(int count, char** names) {
    return vork::bench::RunReportingErrors("vork_bench_web",
                                           [&] { return vork::bench::Run(vork::bench::EnginesNamed(count, names)); });
}
