// Writes the sprite sheet BMP that the game embeds: make_sprite_sheet <output.bmp>
#include "assets/Bmp.h"
#include "assets/SpriteSheetArt.h"
#include "assets/WriteFile.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    const std::vector<unsigned char> bytes = vork::assets::EncodeBmp(vork::assets::BuildSpriteSheet());
    try {
        vork::assets::WriteFile(argv[1], bytes.data(), bytes.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
