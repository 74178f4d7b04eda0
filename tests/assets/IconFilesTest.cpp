#include "assets/Icon.h"
#include "assets/IconFiles.h"
#include "assets/Png.h"
#include "assets/WebApp.h"
#include "tests/assets/BmpBytes.h"
#include "tests/assets/Gradient.h"
#include "tests/assets/PngReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <tuple>
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

// A palette of the picture's colours, and a transparent entry where the
// coverage leaves pixels out, in the fewest bits a pixel that hold it; rows
// that end within a byte come back whole. At most 256 entries.
TEST(Png, IndexedHoldsThePictureInTheFewestBits) {
    for (const auto& [colours, transparent, bits] : {std::tuple{2, false, 1}, {3, true, 2}, {16, false, 4}, {16, true, 8}}) {
        platform::Image image(colours + 3, 2);
        for (int i = 0; i < image.Width() * 2; ++i) {
            const auto index = static_cast<std::uint8_t>(i % colours);
            image.Set(i % image.Width(), i / image.Width(), {index, static_cast<std::uint8_t>(255 - index), 7});
        }
        const auto covers = [&](int x, int y) { return !transparent || x + y > 0; };
        const testing::PngPicture png = ReadPng(EncodePng(image, covers, PngColours::Indexed));
        EXPECT_EQ(png.BitDepth, bits) << colours << " colours";
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                const Pixel expected = covers(x, y) ? Opaque(image.At(x, y)) : Pixel{0, 0, 0, 0};
                ASSERT_EQ(png.At(x, y), expected) << colours << " colours, " << x << ", " << y;
            }
        }
    }
    EXPECT_THROW(EncodePng(testing::Gradient(17, 16), {}, PngColours::Indexed), std::invalid_argument);
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

// The home screen's icons are the desktop's, indexed. A launcher may cut a
// maskable icon to any shape that holds the circle of four fifths of its
// size: the whole tile lies in that circle, each icon pixel a sharp square as
// large as fits, and all around it is the tile's navy, opaque, so whatever is
// cut shows no edge.
TEST(WebApp, IconsAreTheWindowIconTheMaskableOneWithinTheSafeCircle) {
    const WebAppIcon* maskable = nullptr;
    for (const WebAppIcon& icon : WebAppIcons()) {
        if (!icon.Maskable) {
            EXPECT_EQ(ReadPng(WebAppIconPng(icon)).Pixels, ReadPng(IconPng(icon.Size)).Pixels) << icon.File;
        }
        maskable = icon.Maskable ? &icon : maskable;
    }
    ASSERT_TRUE(maskable);
    const int size = maskable->Size;
    const testing::PngPicture png = ReadPng(WebAppIconPng(*maskable));
    ASSERT_EQ(png.Width, size);
    // The tile's half-diagonal, tile / sqrt 2, against the circle's radius, 2/5 of the size.
    const auto fits = [size](int tile) { return 25 * tile * tile <= 8 * size * size; };
    int scale = 1;
    while (fits(IconSize * (scale + 1))) {
        ++scale;
    }
    const int tile = IconSize * scale;
    const int margin = (size - tile) / 2;
    const platform::Image& icon = Icon();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int ix = (x - margin) / scale;
            const int iy = (y - margin) / scale;
            const bool inTile = x >= margin && y >= margin && x < margin + tile && y < margin + tile;
            const platform::Rgb expected = inTile && IconTileCovers(ix, iy) ? icon.At(ix, iy) : IconTileColour;
            ASSERT_EQ(png.At(x, y), Opaque(expected)) << x << ", " << y;
        }
    }
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

// Windows reads an .ico as a directory of pictures: bitmaps of twice the
// height (colours bottom-up, then a mask of transparent pixels) up to 255
// pixels, a PNG at 256. Each is the 32-pixel icon scaled nearest-neighbour.
TEST(IconFiles, IcoHoldsEachSizeScaledFromTheIconWithItsMask) {
    const platform::Image& icon = Icon();
    const std::vector<int> sizes{16, 48, 256};
    const std::vector<unsigned char> ico = IconIco(sizes);
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(testing::FieldAt(ico, 0, 2), 0u);
    EXPECT_EQ(testing::FieldAt(ico, 2, 2), 1u);
    ASSERT_EQ(testing::FieldAt(ico, 4, 2), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i];
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(testing::FieldAt(ico, entry, 1), static_cast<std::uint32_t>(size % 256)) << size;
        const std::size_t length = testing::FieldAt(ico, entry + 8, 4);
        const std::size_t at = testing::FieldAt(ico, entry + 12, 4);
        ASSERT_LE(at + length, ico.size()) << size;
        const std::vector<unsigned char> picture(ico.begin() + static_cast<long>(at),
                                                 ico.begin() + static_cast<long>(at + length));
        auto source = [size](int pixel) { return pixel * IconSize / size; };
        if (size == 256) {
            EXPECT_EQ(picture, IconPng(256));
            continue;
        }
        ASSERT_EQ(testing::FieldAt(picture, 4, 4), static_cast<std::uint32_t>(size));
        ASSERT_EQ(testing::FieldAt(picture, 8, 4), static_cast<std::uint32_t>(2 * size));
        ASSERT_EQ(testing::FieldAt(picture, 14, 2), 32u);
        const std::size_t maskRow = (static_cast<std::size_t>(size) + 31) / 32 * 4;
        ASSERT_EQ(picture.size(), 40 + static_cast<std::size_t>(size * size * 4) + maskRow * size) << size;
        for (int y = 0; y < size; ++y) {
            const std::size_t row = static_cast<std::size_t>(size - 1 - y);  // bottom-up
            for (int x = 0; x < size; ++x) {
                const platform::Rgb c = icon.At(source(x), source(y));
                const bool covered = IconTileCovers(source(x), source(y));
                const std::size_t pixel = 40 + (row * static_cast<std::size_t>(size) + static_cast<std::size_t>(x)) * 4;
                const Pixel bgra{picture[pixel], picture[pixel + 1], picture[pixel + 2], picture[pixel + 3]};
                ASSERT_EQ(bgra, (Pixel{c.B, c.G, c.R, static_cast<std::uint8_t>(covered ? 255 : 0)}))
                    << size << ": " << x << ", " << y;
                const std::size_t mask = 40 + static_cast<std::size_t>(size * size * 4) + row * maskRow;
                const bool transparent = (picture[mask + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8))) != 0;
                ASSERT_EQ(transparent, !covered) << size << ": " << x << ", " << y;
            }
        }
    }
    EXPECT_THROW(IconIco({257}), std::invalid_argument);
}

}  // namespace
}  // namespace vork::assets
