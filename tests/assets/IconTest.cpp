#include "assets/Icon.h"
#include "assets/PaletteArt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>
#include <string_view>
#include <tuple>

namespace vork::assets {
namespace {

using platform::Rgb;

auto Key(Rgb c) { return std::tuple(c.R, c.G, c.B); }

// Written out again here so a typo in the game's palette table is caught.
const std::set<std::tuple<int, int, int>> ClassicVga{
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},     {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},     {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

TEST(VgaPalette, HoldsTheSixteenClassicColours) {
    std::set<std::tuple<int, int, int>> colours;
    for (Rgb c : VgaPalette) {
        colours.insert(Key(c));
    }
    EXPECT_EQ(colours, ClassicVga);
    EXPECT_EQ(Key(VgaPalette[0]), std::tuple(0, 0, 0));
    EXPECT_EQ(Key(VgaPalette[12]), std::tuple(0, 0, 255));
    EXPECT_EQ(Key(VgaPalette[15]), std::tuple(255, 255, 255));
}

TEST(Icon, IsA32PixelSquareInVgaColours) {
    const platform::Image& icon = Icon();
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    std::set<std::tuple<int, int, int>> used;
    for (Rgb c : icon.Pixels()) {
        used.insert(Key(c));
    }
    EXPECT_LE(used.size(), 16u);
    EXPECT_GE(used.size(), 2u);
    EXPECT_TRUE(std::includes(ClassicVga.begin(), ClassicVga.end(), used.begin(), used.end()));
}

TEST(Icon, TileLeavesOutOnlyItsRoundedCorners) {
    // Three pixels at each corner, where the rim turns; the drop shadows,
    // though of the same colour, are inside.
    int outside = 0;
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            if (!IconTileCovers(x, y)) {
                ++outside;
                EXPECT_LE(std::min(x, IconSize - 1 - x) + std::min(y, IconSize - 1 - y), 1) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(outside, 12);
}

TEST(PaletteArt, MapsHexDigitsToPaletteEntries) {
    const std::array<std::string_view, 2> rows{"09aF", "c4e7"};
    const platform::Image image = DecodePaletteArt(rows, 4, 2);
    EXPECT_EQ(Key(image.At(0, 0)), std::tuple(0, 0, 0));
    EXPECT_EQ(Key(image.At(1, 0)), std::tuple(255, 0, 0));
    EXPECT_EQ(Key(image.At(2, 0)), std::tuple(0, 255, 0));
    EXPECT_EQ(Key(image.At(3, 0)), std::tuple(255, 255, 255));
    EXPECT_EQ(Key(image.At(0, 1)), std::tuple(0, 0, 255));
    EXPECT_EQ(Key(image.At(1, 1)), std::tuple(0, 0, 128));
    EXPECT_EQ(Key(image.At(2, 1)), std::tuple(0, 255, 255));
    EXPECT_EQ(Key(image.At(3, 1)), std::tuple(192, 192, 192));
}

TEST(PaletteArt, RejectsMalformedArt) {
    const std::array<std::string_view, 2> shortRow{"0000", "000"};
    const std::array<std::string_view, 2> longRow{"0000", "00000"};
    const std::array<std::string_view, 2> badDigit{"0000", "00g0"};
    const std::array<std::string_view, 2> space{"0000", "0 00"};
    const std::array<std::string_view, 1> missingRow{"0000"};
    EXPECT_THROW(DecodePaletteArt(shortRow, 4, 2), std::invalid_argument);
    EXPECT_THROW(DecodePaletteArt(longRow, 4, 2), std::invalid_argument);
    EXPECT_THROW(DecodePaletteArt(badDigit, 4, 2), std::invalid_argument);
    EXPECT_THROW(DecodePaletteArt(space, 4, 2), std::invalid_argument);
    EXPECT_THROW(DecodePaletteArt(missingRow, 4, 2), std::invalid_argument);
}

}  // namespace
}  // namespace vork::assets
