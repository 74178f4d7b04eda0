#include "render/DrawTable.h"

#include "assets/SpriteSheet.h"
#include "platform/Rounding.h"

namespace vork::render {
namespace {

using platform::RasterOp;
using platform::RoundToPixel;

constexpr int Sprite = assets::SpriteSize;
constexpr int StripWidth = 48;

// The mask clears the sprite's opaque pixels to black, the picture then XORs
// its colours into them; transparent pixels survive both copies.
void DrawSprite(platform::Platform& platform, double x, double y, assets::SheetPoint mask,
                assets::SheetPoint image) {
    const platform::Image& sheet = assets::SpriteSheet();
    platform.BitBlt(RoundToPixel(x), RoundToPixel(y), Sprite, Sprite, sheet, mask.X, mask.Y, RasterOp::SRCAND);
    platform.BitBlt(RoundToPixel(x), RoundToPixel(y), Sprite, Sprite, sheet, image.X, image.Y,
                    RasterOp::SRCINVERT);
}

void DrawStrip(platform::Platform& platform, double x, double y, int width, int height, assets::SheetPoint strip) {
    platform.BitBlt(RoundToPixel(x), RoundToPixel(y), width, height, assets::SpriteSheet(), strip.X, strip.Y,
                    RasterOp::SRCCOPY);
}

}  // namespace

void DrawTable(const rally::MatchState& state, platform::Platform& platform) {
    platform.ClearPicture();
    for (int i = 0; i < state.PuckCount; ++i) {
        DrawSprite(platform, state.PuckX[i], state.PuckY[i], assets::PuckMask, assets::PuckImage);
    }
    // Each piece names one column more than the strip has; the sheet clips it
    // and the next piece covers the gap, so the line is unbroken.
    for (int n = 0; n < 5; ++n) {
        DrawStrip(platform, StripWidth * n, platform.ScaleHeight() / 2.0 - 12, StripWidth + 1, 4,
                  assets::CentreLineStrip);
    }
    for (int j : {rally::Player, rally::Cpu}) {
        DrawSprite(platform, state.MalletX[j], state.MalletY[j], assets::MalletMask, assets::MalletImage);
    }
    for (double y : {0.0, platform.ScaleHeight() - 1.0}) {
        DrawStrip(platform, platform.ScaleWidth() / 2.0 - 36, y, StripWidth, 1, assets::GoalLineStrip);
        DrawStrip(platform, platform.ScaleWidth() / 2.0 - 12, y, StripWidth, 1, assets::GoalLineStrip);
    }
}

}  // namespace vork::render
