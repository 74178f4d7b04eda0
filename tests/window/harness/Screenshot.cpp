#include "tests/window/harness/Screenshot.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/window/harness/ChildProcess.h"
#include "tests/window/harness/Deadline.h"

namespace vork::testing {
namespace {

// A binary PPM (P6) with 8-bit samples, as ImageMagick writes it.
std::optional<platform::Image> ReadPpm(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int top = 0;
    if (!(file >> magic >> width >> height >> top) || magic != "P6" || top != 255 || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    file.get();  // the one whitespace before the samples
    platform::Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        if (!file.read(reinterpret_cast<char*>(picture.Row(y)), static_cast<std::streamsize>(width) * 3)) {
            return std::nullopt;
        }
    }
    picture.Touch();
    return picture;
}

}  // namespace

std::optional<platform::Image> TakeScreenshot(const WestonServer& weston) {
    // weston-screenshooter names its file after the time, in this folder.
    const std::filesystem::path folder = weston.PrivatePath("screenshot");
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    if (!weston.RunClient({"weston-screenshooter"}, {"XDG_PICTURES_DIR=" + folder.string()})) {
        return std::nullopt;
    }
    const std::filesystem::directory_iterator found(folder);
    if (found == std::filesystem::directory_iterator{}) {
        return std::nullopt;
    }
    const std::string ppm = weston.PrivatePath("screenshot.ppm");
    if (RunChild({"convert", found->path().string(), "-depth", "8", "ppm:" + ppm}, {}, 10s, Discarded) != 0) {
        return std::nullopt;
    }
    return ReadPpm(ppm);
}

platform::Image Crop(const platform::Image& picture, const Box& area) {
    platform::Image part(area.Width(), area.Height());
    for (int y = 0; y < area.Height(); ++y) {
        const platform::Rgb* from = picture.Row(area.Top + y) + area.Left;
        std::copy(from, from + area.Width(), part.Row(y));
    }
    part.Touch();
    return part;
}

}  // namespace vork::testing
