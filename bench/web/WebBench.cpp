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

// A browser measured: an engine, and the threads its OpenGL may take.
// WebKitGTK composites through OpenGL, which on a machine without a GPU (this
// one) is Mesa's llvmpipe: as installed, its threads take both of this
// machine's cores at every display frame, and the page's timers wait for one.
// With llvmpipe kept to one thread, a core is left to the page, nearer to a
// machine whose GPU does that work.
struct Browser {
    const char* Name;
    Engine Kind;
    int GlThreads = 0;
};
const Browser AllBrowsers[] = {
    {"Chromium", Engine::Chromium}, {"Firefox", Engine::Firefox}, {"WebKit", Engine::WebKit},
    {"WebKit-lp1", Engine::WebKit, 1}};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The browsers of the engines named on the command line, or all of them: one
// engine alone is quicker to measure again while its pacing is worked on.
std::vector<Browser> BrowsersNamed(int count, char** names) {
    std::vector<Browser> browsers;
    for (const Browser& browser : AllBrowsers) {
        const auto named = [&](const char* name) { return SameName(name, NameOf(browser.Kind)); };
        if (count <= 1 || std::any_of(names + 1, names + count, named)) {
            browsers.push_back(browser);
        }
    }
    if (browsers.empty()) {
        throw std::runtime_error("no such engine; the engines are chromium, firefox and webkit");
    }
    return browsers;
}

// The game's page, from a fresh start: a rally, then the title's idle cost.
std::optional<Figures> PageRound(const Browser& browser, std::vector<double>& idleShares) {
    XDesktop desktop;
    BrowserSession page(desktop, {.Browser = browser.Kind, .GlThreads = browser.GlThreads});
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
std::optional<Figures> FloorRound(const Browser& browser) {
    XDesktop desktop;
    BrowserSession floor(desktop, {.Browser = browser.Kind,
                                   .Page = "floor.html",
                                   .Site = VORK_BENCH_WEB_DIR,
                                   .GlThreads = browser.GlThreads});
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

// One browser's figures: the medians of its rounds and its launches.
struct BrowserFigures {
    Medians Page;
    Medians Floor;
    double FramesPerSecond = 0;
    double PeriodP50 = 0;
    double PeriodP99 = 0;
    double FirstPicture = 0;
    double IdleShare = 0;
};

std::optional<BrowserFigures> MeasureBrowser(const Browser& browser) {
    const std::string name = browser.Name;
    std::vector<double> firstPictures;
    for (int launch = 0; launch < Launches; ++launch) {
        XDesktop desktop;
        BrowserSession page(desktop, {.Browser = browser.Kind, .GlThreads = browser.GlThreads});
        firstPictures.push_back(page.WaitForTable());
    }
    std::vector<double> idleShares;
    std::vector<Figures> pages;
    std::vector<Figures> floors;
    for (int round = 1; round <= Rounds; ++round) {
        const auto page = PageRound(browser, idleShares);
        const auto floor = FloorRound(browser);
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
    return BrowserFigures{MediansOf(pages),      MediansOf(floors),
                         FramesPerSecondOf(periods),
                         Median(periods),       Quantile(periods, 0.99),
                         Median(firstPictures), Median(idleShares)};
}

int Run(const std::vector<Browser>& browsers) {
    std::printf("rounds of %d x %.0f s each, each subject alone and from a fresh start:\n", IntervalsPerRound,
                Seconds(Interval));
    std::vector<BrowserFigures> measured;
    for (const Browser& browser : browsers) {
        const auto figures = MeasureBrowser(browser);
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

    const auto row = [&](const char* what, const char* format, const std::function<double(const BrowserFigures&)>& of) {
        std::printf("%-44s", what);
        for (const BrowserFigures& figures : measured) {
            std::printf(format, of(figures));
        }
        std::printf("\n");
    };
    std::printf("\nmedians of %d rounds (%d launches)              ", Rounds, Launches);
    for (const Browser& browser : browsers) {
        std::printf("%12s", browser.Name);
    }
    std::printf("\n");
    row("rally frames per second", "%12.2f", [](const BrowserFigures& f) { return f.FramesPerSecond; });
    row("frame period p50, ms", "%12.2f", [](const BrowserFigures& f) { return f.PeriodP50; });
    row("frame period p99, ms", "%12.2f", [](const BrowserFigures& f) { return f.PeriodP99; });
    row("processor in a rally, page, % of a core", "%12.2f", [](const BrowserFigures& f) { return f.Page.Share; });
    row("processor, floor page, % of a core", "%12.2f", [](const BrowserFigures& f) { return f.Floor.Share; });
    row("page / floor", "%12.2f", [](const BrowserFigures& f) { return f.Page.Share / f.Floor.Share; });
    row("X server in a rally, page, % of a core", "%12.2f", [](const BrowserFigures& f) { return f.Page.ServerShare; });
    row("X server, floor page, % of a core", "%12.2f", [](const BrowserFigures& f) { return f.Floor.ServerShare; });
    row("first picture after opening the page, ms", "%12.0f", [](const BrowserFigures& f) { return f.FirstPicture; });
    row("idle title page, % of a core", "%12.2f", [](const BrowserFigures& f) { return f.IdleShare; });
    std::printf("(each browser: all its processes; the desktop game beside them, its own: %.2f %% of a core)\n",
                MediansOf(desktops).Share);
    std::printf("(WebKit-lp1: WebKitGTK with Mesa's llvmpipe kept to one thread, LP_NUM_THREADS=1)\n");
    return 0;
}

}  // namespace
}  // namespace vork::bench

int main(int count, char** names) {
    return vork::bench::RunReportingErrors("vork_bench_web",
                                           [&] { return vork::bench::Run(vork::bench::BrowsersNamed(count, names)); });
}
