#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>

#include "tests/assets/BmpBytes.h"
#include "tests/wine/WineTest.h"
#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/ExpectedPictures.h"

namespace vork::testing {
namespace {

namespace fs = std::filesystem;

// The one user's profile in the prefix, Wine's own account aside.
std::optional<fs::path> UserProfile() {
    for (const auto& entry : fs::directory_iterator(fs::path(wine::Prefix()) / "drive_c" / "users")) {
        if (entry.path().filename() != "Public") {
            return entry.path();
        }
    }
    return std::nullopt;
}

std::string WindowsPathOf(const fs::path& inPrefix) {
    std::string path = "C:" + inPrefix.string().substr((fs::path(wine::Prefix()) / "drive_c").string().size());
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The local path a shell link (.lnk) starts: its LinkInfo's LocalBasePath,
// after the header (76 bytes) and the item list, if there is one.
std::string ShortcutTarget(const fs::path& link) {
    const std::string bytes = ReadBytes(link);
    const std::span<const unsigned char> fields(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    const std::uint32_t flags = assets::testing::FieldAt(fields, 20, 4);
    std::size_t at = 76;
    if ((flags & 1) != 0) {
        at += 2 + assets::testing::FieldAt(fields, at, 2);
    }
    if ((flags & 2) == 0) {
        return {};
    }
    return std::string(bytes.c_str() + at + assets::testing::FieldAt(fields, at + 16, 4));
}

// Installs with /S as a user would from a script, starts the game through
// the Start menu shortcut, then uninstalls.
class WindowsInstaller : private WineSession, public ::testing::Test {
protected:
    std::optional<int> RunOnTheDesktop(std::vector<std::string> commandLine) {
        Launch launch = wine::Under(std::move(commandLine));
        launch.Environment.push_back("DISPLAY=" + desktop.Server.DisplayName());
        return RunChild(launch.Command, launch.Environment, 60s, Discarded);
    }

    XDesktop desktop;
};

TEST_F(WindowsInstaller, InstallsForTheUserAloneAndItsShortcutStartsTheGame) {
    const std::string setup = WindowsBuild("vork-" VORK_VERSION "-win64-setup.exe");
    // Installing for oneself needs no administrator: the installer says so
    // to Windows in its manifest.
    EXPECT_NE(ReadBytes(setup).find("level=\"asInvoker\""), std::string::npos);
    ASSERT_EQ(RunOnTheDesktop({setup, "/S"}), 0);

    const auto profile = UserProfile();
    ASSERT_TRUE(profile);
    const fs::path folder = *profile / "AppData/Local/Programs/vorK";
    const fs::path shortcut = *profile / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/vorK.lnk";
    for (const char* file : {"vork.exe", "LICENSE", "LICENSE.fonts", "README.txt", "Uninstall.exe"}) {
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    }
    ASSERT_TRUE(fs::exists(shortcut));
    {
        const std::string target = ShortcutTarget(shortcut);
        EXPECT_EQ(target, WindowsPathOf(folder / "vork.exe"));
        GameSession game(desktop, wine::Under({target}));
        ASSERT_TRUE(game.WaitForWindow(30s)) << game.Process().Output();
        EXPECT_TRUE(ComesToShow([&] { return game.Grab(); }, TitlePicture(), 5s));
        game.MoveTo(GameFacts::RestingClick);
        desktop.Input.Click(3);
        EXPECT_EQ(game.Process().ProblemWithEnd(5s), std::nullopt);
    }

    // _?= runs the uninstaller where it is, and waits for it.
    ASSERT_EQ(RunOnTheDesktop({(folder / "Uninstall.exe").string(), "/S", "_?=" + WindowsPathOf(folder)}), 0);
    EXPECT_FALSE(fs::exists(folder / "vork.exe"));
    EXPECT_FALSE(fs::exists(shortcut));
}

}  // namespace
}  // namespace vork::testing
