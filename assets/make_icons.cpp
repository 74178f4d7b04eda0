// Writes the desktop's icon files for the game: make_icons <folder> <name> <size>...
// puts <folder>/<size>x<size>/apps/<name>.png for each size and
// <folder>/scalable/apps/<name>.svg, the layout of an icon theme such as hicolor.
#include "assets/IconFiles.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

void WriteFile(const std::filesystem::path& path, const void* bytes, std::size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    try {
        for (int i = 3; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const auto png = vork::assets::IconPng(size);
            const std::string square = std::to_string(size) + "x" + std::to_string(size);
            WriteFile(folder / square / "apps" / (name + ".png"), png.data(), png.size());
        }
        const std::string svg = vork::assets::IconSvg();
        WriteFile(folder / "scalable" / "apps" / (name + ".svg"), svg.data(), svg.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
