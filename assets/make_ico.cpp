// Writes the window icon as a Windows icon file: make_ico <file.ico> <size>...
#include "assets/IconFiles.h"
#include "assets/WriteFile.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <file.ico> <size>...\n", argv[0]);
        return 2;
    }
    try {
        std::vector<int> sizes;
        for (int i = 2; i < argc; ++i) {
            sizes.push_back(std::stoi(argv[i]));
        }
        const auto ico = vork::assets::IconIco(sizes);
        vork::assets::WriteFile(argv[1], ico.data(), ico.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
