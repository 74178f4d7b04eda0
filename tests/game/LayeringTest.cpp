#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace vork {
namespace {

namespace fs = std::filesystem;

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

    const std::regex sdlInclude(R"(^\s*#\s*include\s*[<"]SDL)");
    for (const fs::path& file : files) {
        std::ifstream in(file);
        ASSERT_TRUE(in) << file;
        std::string line;
        while (std::getline(in, line)) EXPECT_FALSE(std::regex_search(line, sdlInclude)) << file << ": " << line;
    }
    EXPECT_GT(files.size(), 20u);
}

}  // namespace
}  // namespace vork
