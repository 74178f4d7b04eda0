#include "assets/SpriteSheetArt.h"

#include "assets/SheetLayout.h"
#include "assets/SpriteGeometry.h"

namespace vork::assets {

namespace {

constexpr platform::Rgb Black{0, 0, 0};
constexpr platform::Rgb White{255, 255, 255};
constexpr platform::Rgb PuckFill{128, 255, 255};
constexpr platform::Rgb PuckRim{0, 255, 255};
constexpr platform::Rgb PuckMark{255, 255, 0};
constexpr platform::Rgb MalletBody{0, 0, 255};
constexpr platform::Rgb CentreLine{255, 0, 0};
constexpr platform::Rgb GoalLine{0, 255, 128};

// The H lies on the fill only; the rim stays cyan all the way round. The H's
// bars start two rows into the disc, so in practice the two never meet.
platform::Rgb PuckPixel(int x, int y) {
    if (!InDisc(x, y)) {
        return Black;
    }
    if (OnDiscRim(x, y)) {
        return PuckRim;
    }
    return InPuckMark(x, y) ? PuckMark : PuckFill;
}

platform::Rgb MalletPixel(int x, int y) {
    return InDisc(x, y) && !InMalletHole(x, y) ? MalletBody : Black;
}

// Sprites are drawn by AND-ing the mask and OR-ing the picture, so the mask
// must clear exactly the pixels the picture sets.
platform::Rgb MaskFor(platform::Rgb picture) { return picture == Black ? White : Black; }

template <typename PixelFn>
void DrawSprite(platform::Image& sheet, SheetPoint image, SheetPoint mask, PixelFn pixel) {
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            const platform::Rgb colour = pixel(x, y);
            sheet.Set(image.X + x, image.Y + y, colour);
            sheet.Set(mask.X + x, mask.Y + y, MaskFor(colour));
        }
    }
}

void DrawStrip(platform::Image& sheet, SheetPoint origin, int height, platform::Rgb colour) {
    for (int y = origin.Y; y < origin.Y + height; ++y) {
        for (int x = origin.X; x < SheetWidth; ++x) {
            sheet.Set(x, y, colour);
        }
    }
}

}  // namespace

platform::Image BuildSpriteSheet() {
    platform::Image sheet(SheetWidth, SheetHeight, Black);
    DrawSprite(sheet, PuckImage, PuckMask, PuckPixel);
    DrawSprite(sheet, MalletImage, MalletMask, MalletPixel);
    DrawStrip(sheet, CentreLineStrip, CentreLineStripHeight, CentreLine);
    DrawStrip(sheet, GoalLineStrip, GoalLineStripHeight, GoalLine);
    return sheet;
}

}  // namespace vork::assets
