#include "tests/window/harness/Screenshots.h"

#include <exception>
#include <filesystem>

#include "assets/Png.h"
#include "assets/WriteFile.h"

namespace vork::testing {

bool SaveScreenshot(const platform::Image& shot, const std::string& name) {
    const std::vector<unsigned char> png = assets::EncodePng(shot);
    try {
        assets::WriteFile(std::filesystem::path(VORK_SCREENSHOT_DIR) / (name + ".png"), png.data(), png.size());
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace vork::testing
