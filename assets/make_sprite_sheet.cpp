// Writes the sprite sheet BMP that the game embeds: make_sprite_sheet <output.bmp>
#include "assets/Bmp.h"
#include "assets/SpriteSheetArt.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    const std::vector<unsigned char> bytes = vork::assets::EncodeBmp(vork::assets::BuildSpriteSheet());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
