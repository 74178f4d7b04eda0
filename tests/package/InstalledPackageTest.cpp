#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/GameSession.h"
#include "tests/window/harness/TextFile.h"

namespace vork::testing {
namespace {

namespace fs = std::filesystem;

const std::string AppId(GameFacts::AppId);

// Where the package was unpacked, as dpkg would install it.
fs::path Root() {
    const char* root = std::getenv("VORK_INSTALLED_ROOT");
    return root ? root : "";
}

std::string EntryValue(const std::string& entry, const std::string& key) {
    std::istringstream lines(entry);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(key + "=")) {
            return line.substr(key.size() + 1);
        }
    }
    return "";
}

class InstalledPackage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(Root())) << "VORK_INSTALLED_ROOT names no unpacked package";
        entry = ReadTextFile(Root() / "usr/share/applications" / (AppId + ".desktop"));
        ASSERT_FALSE(entry.empty()) << "no desktop entry named after the application id";
        // A desktop runs Exec through PATH, where Debian has /usr/games.
        game = Root() / "usr/games" / EntryValue(entry, "Exec");
    }

    std::string entry;
    fs::path game;
};

TEST_F(InstalledPackage, EntryLeadsToTheGameItsIconsManualAndMetadata) {
    EXPECT_TRUE(fs::is_regular_file(game) && (fs::status(game).permissions() & fs::perms::others_exec) != fs::perms{})
        << game;
    EXPECT_TRUE(fs::is_regular_file(Root() / "usr/share/man/man6" / (game.filename().string() + ".6.gz")));

    const std::string icon = EntryValue(entry, "Icon");
    EXPECT_EQ(icon, AppId);
    const fs::path theme = Root() / "usr/share/icons/hicolor";
    std::istringstream sizes(VORK_ICON_SIZES);
    for (std::string size; sizes >> size;) {
        EXPECT_TRUE(fs::is_regular_file(theme / (size + "x" + size) / "apps" / (icon + ".png"))) << size;
    }
    EXPECT_TRUE(fs::is_regular_file(theme / "scalable/apps" / (icon + ".svg")));

    const std::string metainfo = ReadTextFile(Root() / "usr/share/metainfo" / (AppId + ".metainfo.xml"));
    EXPECT_NE(metainfo.find("<id>" + AppId + "</id>"), std::string::npos);
    EXPECT_NE(metainfo.find(">" + AppId + ".desktop</launchable>"), std::string::npos);
}

TEST_F(InstalledPackage, GameTheEntryStartsShowsItsTitle) {
    XDesktop desktop;
    GameSession session{desktop, game.string()};
    ASSERT_TRUE(session.WaitForWindow()) << "no window titled vorK within 5 s";
    EXPECT_TRUE(session.WaitForPicture(TitlePicture(), 2s));
}

}  // namespace
}  // namespace vork::testing
