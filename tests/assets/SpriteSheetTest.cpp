// Checks the decoded, embedded sheet against the art as drawn on paper; the
// expectations here deliberately do not reuse the generator's geometry.
#include "assets/SpriteSheet.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace vork::assets {
namespace {

using platform::Rgb;

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb LightCyan{128, 255, 255};
constexpr Rgb Cyan{0, 255, 255};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb Blue{0, 0, 255};

constexpr int DiscPixels = 456;
constexpr int CellPixels = 24 * 24;

Rgb CellAt(SheetPoint cell, int x, int y) { return SpriteSheet().At(cell.X + x, cell.Y + y); }

int CountInCell(SheetPoint cell, Rgb colour) {
    int count = 0;
    for (int y = 0; y < SpriteSize; ++y) {
        for (int x = 0; x < SpriteSize; ++x) {
            count += CellAt(cell, x, y) == colour;
        }
    }
    return count;
}

// Leftmost disc column of rows 0-11; each row is centred, rows 12-23 mirror.
constexpr std::array<int, 12> DiscRowStart{8, 6, 5, 4, 3, 2, 1, 1, 0, 0, 0, 0};

bool InDiscByTable(int x, int y) {
    if (x < 0 || y < 0 || x >= 24 || y >= 24) {
        return false;
    }
    const int start = DiscRowStart[y < 12 ? y : 23 - y];
    return x >= start && x <= 23 - start;
}

TEST(SpriteSheetPuck, DiscIsOpaqueAndCornersAreBlack) {
    EXPECT_EQ(CountInCell(PuckImage, Black), CellPixels - DiscPixels);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(CellAt(PuckImage, x, y) != Black, InDiscByTable(x, y)) << x << "," << y;
        }
    }
}

TEST(SpriteSheetPuck, RimIsCyanAllRound) {
    int rim = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            if (!InDiscByTable(x, y)) {
                continue;
            }
            const bool onRim = !InDiscByTable(x - 1, y) || !InDiscByTable(x + 1, y) || !InDiscByTable(x, y - 1) ||
                               !InDiscByTable(x, y + 1);
            rim += onRim;
            EXPECT_EQ(CellAt(PuckImage, x, y) == Cyan, onRim) << x << "," << y;
        }
    }
    EXPECT_EQ(rim, 64);
}

TEST(SpriteSheetPuck, CarriesAYellowHOnLightCyan) {
    std::vector<std::pair<int, int>> mark;
    for (int y = 2; y <= 21; ++y) {
        for (int x : {6, 7, 16, 17}) {
            mark.emplace_back(x, y);
        }
    }
    for (int y : {11, 12}) {
        for (int x = 8; x <= 15; ++x) {
            mark.emplace_back(x, y);
        }
    }
    for (auto [x, y] : mark) {
        EXPECT_EQ(CellAt(PuckImage, x, y), Yellow) << x << "," << y;
    }
    EXPECT_EQ(CountInCell(PuckImage, Yellow), static_cast<int>(mark.size()));
    EXPECT_EQ(CountInCell(PuckImage, LightCyan), DiscPixels - 64 - static_cast<int>(mark.size()));
    EXPECT_EQ(CellAt(PuckImage, 11, 5), LightCyan);
    EXPECT_EQ(CellAt(PuckImage, 11, 13), LightCyan);
}

TEST(SpriteSheetMallet, IsABlueRingAroundAHole) {
    const std::array<std::pair<int, int>, 8> holeRows{{
        {10, 13}, {9, 14}, {8, 15}, {8, 15}, {8, 15}, {8, 15}, {9, 14}, {10, 13},
    }};
    int hole = 0;
    for (int row = 0; row < 8; ++row) {
        for (int x = holeRows[row].first; x <= holeRows[row].second; ++x, ++hole) {
            EXPECT_EQ(CellAt(MalletImage, x, 8 + row), Black) << x << "," << 8 + row;
        }
    }
    EXPECT_EQ(hole, 52);
    EXPECT_EQ(CountInCell(MalletImage, Blue), DiscPixels - hole);
    EXPECT_EQ(CountInCell(MalletImage, Black), CellPixels - DiscPixels + hole);
    // The ring lies on the same disc as the puck.
    EXPECT_EQ(CellAt(MalletImage, 7, 0), Black);
    EXPECT_EQ(CellAt(MalletImage, 8, 0), Blue);
    EXPECT_EQ(CellAt(MalletImage, 23, 11), Blue);
    EXPECT_EQ(CellAt(MalletImage, 9, 8), Blue);
    EXPECT_EQ(CellAt(MalletImage, 0, 23), Black);
}

TEST(SpriteSheetMasks, ClearExactlyWhatThePictureSets) {
    for (auto [image, mask] : {std::pair{PuckImage, PuckMask}, std::pair{MalletImage, MalletMask}}) {
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const Rgb expected = CellAt(image, x, y) == Black ? White : Black;
                EXPECT_EQ(CellAt(mask, x, y), expected) << "mask at " << mask.X << "," << mask.Y << " pixel " << x
                                                        << "," << y;
            }
        }
    }
}

TEST(SpriteSheetStrips, AreSolidLineColours) {
    const struct {
        SheetPoint Origin;
        int Height;
        Rgb Colour;
    } strips[] = {{CentreLineStrip, 4, {255, 0, 0}}, {GoalLineStrip, 1, {0, 255, 128}}};
    for (const auto& strip : strips) {
        for (int y = strip.Origin.Y; y < strip.Origin.Y + strip.Height; ++y) {
            for (int x = 0; x < 48; ++x) {
                EXPECT_EQ(SpriteSheet().At(x, y), strip.Colour) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(GoalLineStrip.Y + 1, SpriteSheet().Height());
}

}  // namespace
}  // namespace vork::assets
