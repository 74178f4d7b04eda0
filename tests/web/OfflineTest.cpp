#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/web/harness/BrowserSession.h"
#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureWaits.h"
#include "tests/window/harness/TextFile.h"

// The site as an app: installable, kept by its service worker for playing
// without the network, a new build taking over whole, and the page playing
// as before where a browser has no service workers.

namespace vork::testing {
namespace {

// The page, as it opens, plays: a click starts a rally whose frames are the
// game's own, and nothing went wrong on the page.
void ExpectPlays(BrowserSession& page) {
    page.WaitForTable();
    const auto grab = [&] { return page.Grab(); };
    page.ClickToPlay();
    ASSERT_TRUE(WaitForPuck(grab, 2s)) << "no rally after a click";
    EXPECT_TRUE(ShowsDrawnTable(grab, [&] { return page.Caption(); }));
    EXPECT_EQ(page.Ask("problems"), "");
}

// Until the newest service worker has taken over.
bool WaitForWorker(BrowserSession& page) {
    return WaitUntil([&] { return page.Ask("worker") == "activated"; }, 20s, 100ms);
}

// The name of the set of files the site's worker keeps, as its caches begin.
std::string SetOf(const std::filesystem::path& site) {
    const std::string worker = ReadTextFile(site / "worker.js");
    const std::size_t at = worker.find("const set = `vork-");
    return at == std::string::npos ? "" : worker.substr(at + 13, 5 + 16) + "@";
}

// A copy of the web build's site, for a test to rebuild, in a folder that
// takes the place of a new temporary file.
struct SiteCopy {
    SiteCopy() {
        std::filesystem::remove(Folder);
        std::filesystem::copy(BrowserSession::DefaultSite(), Folder);
    }
    ~SiteCopy() { std::filesystem::remove_all(Folder); }
    const std::filesystem::path Folder = NewTemporaryFile("vork-site");
};

// Installable, in the colours of the felt the table is drawn on; after one
// visit, the page plays with the server stopped, and cross-origin isolated
// though the host does not send the headers for it.
TEST(Offline, InstallsAndPlaysWithoutTheNetworkAfterOneVisit) {
    XDesktop desktop;
    BrowserSession page(desktop, {.Host = "plain"});
    page.WaitForTable();
    EXPECT_EQ(page.Ask("isolated"), "false");
    const platform::Rgb felt = TitlePicture().At(0, 0);
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", felt.R, felt.G, felt.B);
    EXPECT_EQ(page.Ask("app"), "installable " + std::string(colour) + " " + colour + " " + colour);
    ASSERT_TRUE(WaitForWorker(page)) << "the service worker is " << page.Ask("worker");
    page.Ask("offline");
    page.Ask("reload");
    ExpectPlays(page);
    EXPECT_EQ(page.Ask("isolated"), "true");
}

// A new build, one script changed, is fetched while the old one plays; the
// page that found it keeps the old set, whole, even from the new worker, and
// the next page opened, with the server gone, runs the new set from the
// worker's cache alone, the old set deleted.
TEST(Offline, ANewBuildTakesOverWholeAtTheNextLoad) {
    const SiteCopy site;
    XDesktop desktop;
    BrowserSession page(desktop, {.Site = site.Folder.string()});
    page.WaitForTable();
    ASSERT_TRUE(WaitForWorker(page)) << "the service worker is " << page.Ask("worker");
    const std::string oldSet = SetOf(site.Folder);
    ASSERT_NE(page.Ask("caches").find(oldSet), std::string::npos) << oldSet;

    const auto oldScript = std::to_string(std::filesystem::file_size(site.Folder / "game.js"));
    std::ofstream(site.Folder / "game.js", std::ios::app) << "document.body.dataset.mark = 'rebuilt';\n";
    BrowserSession::WriteWorker(site.Folder.string());
    const std::string newSet = SetOf(site.Folder);
    ASSERT_NE(newSet, oldSet);

    page.Ask("reload");
    ExpectPlays(page);
    EXPECT_EQ(page.Ask("mark"), "") << "the page swapped to the new build as it opened";
    ASSERT_TRUE(WaitUntil([&] { return page.Ask("caches").find(newSet) != std::string::npos; }, 20s, 100ms))
        << "the new build was not kept: " << page.Ask("caches");
    ASSERT_TRUE(WaitForWorker(page)) << "the service worker is " << page.Ask("worker");
    EXPECT_EQ(page.Ask("fetched game.js"), oldScript) << "the new worker gave the old page a new file";

    page.Ask("offline");
    page.Ask("reload");
    ExpectPlays(page);
    EXPECT_EQ(page.Ask("mark"), "rebuilt");
    EXPECT_TRUE(WaitUntil([&] { return page.Ask("caches").find(oldSet) == std::string::npos; }, 5s, 100ms))
        << "the old set is still there: " << page.Ask("caches");
}

// Where a browser refuses service workers, or has none, the page plays; and
// it is then the network that serves it, which a stopped server shows.
class WithoutWorkers : public ::testing::TestWithParam<std::string> {};

TEST_P(WithoutWorkers, PlaysOnline) {
    XDesktop desktop;
    BrowserSession page(desktop, {.Workers = GetParam()});
    ExpectPlays(page);
    EXPECT_EQ(page.Ask("worker"), GetParam() == "insecure" ? "unavailable" : "none");
    page.Ask("offline");
    EXPECT_THROW(page.Ask("reload"), std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(Browser, WithoutWorkers, ::testing::Values("refused", "insecure"));

}  // namespace
}  // namespace vork::testing
