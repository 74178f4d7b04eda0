#include "tests/window/harness/Screenshots.h"

#include <filesystem>
#include <fstream>

#include "assets/Png.h"

namespace vork::testing {

bool SaveScreenshot(const platform::Image& shot, const std::string& name) {
    const std::filesystem::path folder = VORK_SCREENSHOT_DIR;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::vector<unsigned char> png = assets::EncodePng(shot);
    std::ofstream out(folder / (name + ".png"), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    return !error && out;
}

}  // namespace vork::testing
