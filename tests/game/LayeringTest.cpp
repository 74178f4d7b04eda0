#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vork {
namespace {

namespace fs = std::filesystem;

// True for lines like `#include <SDL.h>` or `  #  include "SDL_ttf.h"`.
bool IncludesSdl(std::string_view line) {
    auto skipBlanks = [&] {
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    };
    skipBlanks();
    if (!line.starts_with('#')) return false;
    line.remove_prefix(1);
    skipBlanks();
    if (!line.starts_with("include")) return false;
    line.remove_prefix(7);
    skipBlanks();
    return line.starts_with("<SDL") || line.starts_with("\"SDL");
}

TEST(Layering, RecognisesSdlIncludesHoweverSpaced) {
    EXPECT_TRUE(IncludesSdl("#include <SDL.h>"));
    EXPECT_TRUE(IncludesSdl("  #  include \"SDL_ttf.h\""));
    EXPECT_FALSE(IncludesSdl("#include \"platform/Platform.h\""));
    EXPECT_FALSE(IncludesSdl("// #include <SDL.h>"));
}

// The game's core must run without a screen: only platform/'s SDL side and
// the program's entry point may see SDL.
TEST(Layering, RallyRenderAssetsAndTheGameWindowIncludeNoSdlHeader) {
    const fs::path root(VORK_SOURCE_DIR);
    std::vector<fs::path> files;
    for (const char* folder : {"rally", "render", "assets"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    }
    for (const char* file : {"shell/Form1.h", "shell/Form1.cpp", "platform/Platform.h", "platform/MemoryPlatform.h"}) {
        files.push_back(root / file);
    }

    for (const fs::path& file : files) {
        std::ifstream in(file);
        ASSERT_TRUE(in) << file;
        std::string line;
        while (std::getline(in, line)) EXPECT_FALSE(IncludesSdl(line)) << file << ": " << line;
    }
    EXPECT_GT(files.size(), 20u);
}

}  // namespace
}  // namespace vork
