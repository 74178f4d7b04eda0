// Writes the desktop's icon files for the game: make_icons <folder> <name> <size>...
// puts <folder>/<size>x<size>/apps/<name>.png for each size and
// <folder>/scalable/apps/<name>.svg, the layout of an icon theme such as hicolor.
#include "assets/IconFiles.h"
#include "assets/WriteFile.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

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
            vork::assets::WriteFile(folder / square / "apps" / (name + ".png"), png.data(), png.size());
        }
        const std::string svg = vork::assets::IconSvg();
        vork::assets::WriteFile(folder / "scalable" / "apps" / (name + ".svg"), svg.data(), svg.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
