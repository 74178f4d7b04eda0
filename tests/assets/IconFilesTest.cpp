#include "assets/Icon.h"
#include "assets/IconFiles.h"
#include "assets/Png.h"
#include "tests/assets/Gradient.h"
#include "tests/assets/PngReader.h"

#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace vork::assets {
namespace {

using Pixel = std::array<std::uint8_t, 4>;
using testing::ReadPng;

Pixel Opaque(platform::Rgb c) { return {c.R, c.G, c.B, 255}; }

TEST(Png, HoldsAnRgbPictureRowByRow) {
    const platform::Image image = testing::Gradient(5, 3);
    const testing::PngPicture png = ReadPng(EncodePng(image));
    ASSERT_EQ(png.Width, 5);
    ASSERT_EQ(png.Height, 3);
    EXPECT_FALSE(png.HasAlpha);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(png.At(x, y), Opaque(image.At(x, y))) << x << ", " << y;
        }
    }
    EXPECT_THROW(EncodePng(platform::Image(0, 3)), std::invalid_argument);
}

TEST(IconFiles, PngIsTheIconWithEveryPixelASquareAndTheCornersClear) {
    const platform::Image& icon = Icon();
    const testing::PngPicture png = ReadPng(IconPng(2 * IconSize));
    ASSERT_EQ(png.Width, 2 * IconSize);
    ASSERT_EQ(png.Height, 2 * IconSize);
    ASSERT_TRUE(png.HasAlpha);
    for (int y = 0; y < png.Height; ++y) {
        for (int x = 0; x < png.Width; ++x) {
            Pixel expected = Opaque(icon.At(x / 2, y / 2));
            expected[3] = IconTileCovers(x / 2, y / 2) ? 255 : 0;
            ASSERT_EQ(png.At(x, y), expected) << x << ", " << y;
        }
    }
    EXPECT_THROW(IconPng(48), std::invalid_argument);
}

TEST(IconFiles, SvgPaintsEachTilePixelOnceInItsColour) {
    const std::string svg = IconSvg();
    EXPECT_NE(svg.find(R"(viewBox="0 0 32 32")"), std::string::npos) << svg;

    const std::regex path(R"re(<path fill="#([0-9a-f]{6})" d="([^"]*)"/>)re");
    const std::regex rectangle(R"(M(\d+) (\d+)h(\d+)v(\d+)h-(\d+)z)");
    std::vector<int> paints(IconSize * IconSize, 0);
    std::vector<unsigned long> colours(IconSize * IconSize, 0);
    int rectangles = 0;
    for (std::sregex_iterator p(svg.begin(), svg.end(), path), end; p != end; ++p) {
        const unsigned long colour = std::stoul((*p)[1], nullptr, 16);
        const std::string d = (*p)[2];
        EXPECT_EQ(std::regex_replace(d, rectangle, ""), "") << "not only rectangles: " << d;
        for (std::sregex_iterator r(d.begin(), d.end(), rectangle); r != end; ++r, ++rectangles) {
            const int left = std::stoi((*r)[1]), top = std::stoi((*r)[2]);
            const int width = std::stoi((*r)[3]), height = std::stoi((*r)[4]);
            ASSERT_EQ(std::stoi((*r)[5]), width) << "a rectangle that does not close: " << r->str();
            ASSERT_LE(left + width, IconSize);
            ASSERT_LE(top + height, IconSize);
            for (int y = top; y < top + height; ++y) {
                for (int x = left; x < left + width; ++x) {
                    ++paints[y * IconSize + x];
                    colours[y * IconSize + x] = colour;
                }
            }
        }
    }
    const platform::Image& icon = Icon();
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            const platform::Rgb c = icon.At(x, y);
            const bool inside = IconTileCovers(x, y);
            EXPECT_EQ(paints[y * IconSize + x], inside ? 1 : 0) << x << ", " << y;
            if (inside) {
                EXPECT_EQ(colours[y * IconSize + x], c.R * 0x10000ul + c.G * 0x100ul + c.B) << x << ", " << y;
            }
        }
    }
    // Runs merged: a quarter as many shapes as pixels at the most (154 today).
    EXPECT_LT(rectangles, IconSize * IconSize / 4);
}

}  // namespace
}  // namespace vork::assets
