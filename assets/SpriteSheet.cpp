#include "assets/SpriteSheet.h"

#include "assets/Bmp.h"

#include <stdexcept>

extern const unsigned char vork_sprite_sheet_bmp[];
extern const std::size_t vork_sprite_sheet_bmp_size;

namespace vork::assets {

namespace {

platform::Image DecodeSheet() {
    platform::Image sheet = DecodeBmp(SpriteSheetBmp());
    if (sheet.Width() != SheetWidth || sheet.Height() != SheetHeight) {
        throw std::runtime_error("sprites.bmp does not match the sheet layout");
    }
    return sheet;
}

}  // namespace

std::span<const unsigned char> SpriteSheetBmp() { return {vork_sprite_sheet_bmp, vork_sprite_sheet_bmp_size}; }

const platform::Image& SpriteSheet() {
    static const platform::Image sheet = DecodeSheet();
    return sheet;
}

}  // namespace vork::assets
