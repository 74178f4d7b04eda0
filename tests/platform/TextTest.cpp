#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/SdlFont.h"
#include "platform/TextBlend.h"
#include "support/GameMessages.h"

namespace vork::platform {
namespace {

constexpr Rgb Grey{128, 128, 128};
constexpr Rgb White{255, 255, 255};

TEST(TextBlend, CoverageMovesPixelsTowardsTheTextColour) {
    Image picture(3, 1, Grey);
    const std::uint8_t coverage[] = {0, 255, 128};
    BlendCoverage(picture, 0, 0, coverage, 3, 1, 3, White);
    EXPECT_EQ(picture.At(0, 0), Grey);
    EXPECT_EQ(picture.At(1, 0), White);
    EXPECT_EQ(picture.At(2, 0), (Rgb{192, 192, 192}));
}

TEST(TextBlend, TextReachingPastThePictureIsClipped) {
    Image picture(2, 2, Grey);
    const std::uint8_t coverage[] = {255, 255, 255, 255, 255, 255, 255, 255, 255};
    BlendCoverage(picture, -1, 1, coverage, 3, 3, 3, White);
    EXPECT_EQ(picture.At(0, 0), Grey);
    EXPECT_EQ(picture.At(1, 0), Grey);
    EXPECT_EQ(picture.At(0, 1), White);
    EXPECT_EQ(picture.At(1, 1), White);
}

// Bounding box of the pixels that are no longer grey.
struct Box {
    int Left = 1 << 20, Top = 1 << 20, Right = -1, Bottom = -1;
};
Box InkOf(const Image& picture) {
    Box box;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y) != Grey) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x);
                box.Bottom = std::max(box.Bottom, y);
            }
    return box;
}

TEST(BuiltInFont, EveryMessageOfTheGameLiesInsideTheTable) {
    SdlFont font;
    for (const testing::GameMessage& m : testing::GameMessages) {
        Image table(240, 335, Grey);
        font.Draw(table, m.Text, m.X, m.Y, m.Points, White);
        const Box ink = InkOf(table);
        EXPECT_GE(ink.Left, m.X) << m.Text;
        EXPECT_GE(ink.Top, m.Y) << m.Text;
        EXPECT_LE(ink.Right, 235) << m.Text << " must stay clear of the right edge";
        const auto [width, height] = font.Measure(m.Text, m.Points);
        EXPECT_LE(m.X + width, 240) << m.Text;
        EXPECT_LE(ink.Bottom, m.Y + height) << m.Text;
    }
}

TEST(BuiltInFont, SizesArePointsAtNinetySixDotsPerInch) {
    SdlFont font;
    // The face's cell is a little taller than its em: 16 points is a 21.33-pixel em.
    const int cell16 = font.Measure("Xg", 16).second;
    const int cell32 = font.Measure("Xg", 32).second;
    EXPECT_GE(cell16, 21);
    EXPECT_LE(cell16, 27);
    EXPECT_NEAR(cell32, 2 * cell16, 2);
}

TEST(BuiltInFont, PaintsOnlyGlyphsInTheTextColour) {
    SdlFont font;
    Image table(240, 335, Grey);
    font.Draw(table, "GAME OVER", 4, 20, 16, White);
    int white = 0;
    for (const Rgb pixel : table.Pixels()) {
        EXPECT_EQ(pixel.R, pixel.G);  // a blend of grey and white stays grey
        EXPECT_EQ(pixel.G, pixel.B);
        EXPECT_GE(pixel.R, 128);
        white += pixel == White ? 1 : 0;
    }
    EXPECT_GT(white, 100);
    const Box ink = InkOf(table);
    EXPECT_LT(ink.Left, 4 + 4) << "text starts at the cursor";
}

TEST(BuiltInFont, EmptyLineStillAdvancesByALine) {
    SdlFont font;
    Image table(10, 10, Grey);
    EXPECT_GT(font.Draw(table, "", 0, 0, 16, White), 20);
    EXPECT_EQ(table, Image(10, 10, Grey));
}

}  // namespace
}  // namespace vork::platform
