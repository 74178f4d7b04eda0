#include "assets/Icon.h"
#include "assets/IconFiles.h"
#include "assets/Png.h"
#include "tests/assets/Gradient.h"
#include "tests/assets/PngReader.h"

#include <gtest/gtest.h>

#include <cstdio>
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

// One <path> per colour, made of rectangles "M<x> <y>h<w>v<h>h-<w>z".
struct SvgRectangle {
    unsigned long Colour;
    int X, Y, Width, Height;
};

std::vector<SvgRectangle> ReadRectangles(const std::string& svg) {
    std::vector<SvgRectangle> rectangles;
    const std::string open = "<path fill=\"#";
    for (std::size_t at = svg.find(open); at != std::string::npos; at = svg.find(open, at + 1)) {
        unsigned long colour = 0;
        int read = 0;
        EXPECT_EQ(std::sscanf(svg.c_str() + at + open.size(), "%6lx\" d=\"%n", &colour, &read), 1);
        for (const char* d = svg.c_str() + at + open.size() + read; *d != '"';) {
            SvgRectangle r{colour, 0, 0, 0, 0};
            int back = 0, used = 0;
            const int fields = std::sscanf(d, "M%d %dh%dv%dh-%dz%n", &r.X, &r.Y, &r.Width, &r.Height, &back, &used);
            if (fields != 5 || used == 0 || back != r.Width) {
                ADD_FAILURE() << "not a closed rectangle at: " << std::string(d).substr(0, 40);
                return rectangles;
            }
            rectangles.push_back(r);
            d += used;
        }
    }
    return rectangles;
}

TEST(IconFiles, SvgPaintsEachTilePixelOnceInItsColour) {
    const std::string svg = IconSvg();
    EXPECT_NE(svg.find(R"(viewBox="0 0 32 32")"), std::string::npos) << svg;

    const std::vector<SvgRectangle> rectangles = ReadRectangles(svg);
    std::vector<int> paints(IconSize * IconSize, 0);
    std::vector<unsigned long> colours(IconSize * IconSize, 0);
    for (const SvgRectangle& r : rectangles) {
        ASSERT_TRUE(r.X >= 0 && r.Y >= 0 && r.X + r.Width <= IconSize && r.Y + r.Height <= IconSize);
        for (int y = r.Y; y < r.Y + r.Height; ++y) {
            for (int x = r.X; x < r.X + r.Width; ++x) {
                ++paints[y * IconSize + x];
                colours[y * IconSize + x] = r.Colour;
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
    EXPECT_LT(rectangles.size(), IconSize * IconSize / 4u);
}

}  // namespace
}  // namespace vork::assets
