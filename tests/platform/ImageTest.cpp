#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/BitBlt.h"
#include "platform/Image.h"
#include "platform/TextBlend.h"

namespace vork::platform {
namespace {

constexpr Rgb Grey{128, 128, 128};

TEST(Image, FillReachesEveryPixelForGreysAndColoursAlike) {
    for (const Rgb colour : {Grey, Rgb{1, 2, 3}, Rgb{255, 0, 128}}) {
        Image picture(7, 5, {9, 9, 9});
        picture.Fill(colour);
        EXPECT_EQ(picture, Image(7, 5, colour));
    }
    Image empty(0, 0);
    empty.Fill({1, 2, 3});
    EXPECT_TRUE(empty.Pixels().empty());
}

TEST(Image, NegativeSizesAreRejected) {
    EXPECT_THROW(Image(-1, 3), std::invalid_argument);
}

// A bounding box grown from nothing must not reach back to the origin.
TEST(PixelRect, AnEmptyRectangleAddsNothingToAUnion) {
    const PixelRect sprite{10, 20, 35, 45};
    EXPECT_EQ(PixelRect{}.United(sprite), sprite);
    EXPECT_EQ(sprite.United(PixelRect{200, 300, 200, 310}), sprite);
}

bool Covered(const Damage& changes, int x, int y) {
    return std::any_of(changes.begin(), changes.end(), [&](const PixelRect& rect) { return rect.Contains(x, y); });
}

// Random frames of fills, copies, text and single pixels, as the game and
// more: after each, every pixel that differs from the picture at the last
// look must lie in the changes reported, however many writes came between.
TEST(ImageChanges, CoverEveryPixelThatDiffersFromTheLastLook) {
    std::mt19937 random(7);
    auto any = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    Image source(48, 53);
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            source.Set(x, y, {static_cast<std::uint8_t>(any(0, 255)), static_cast<std::uint8_t>(any(0, 255)), 0});
        }
    }
    const std::vector<std::uint8_t> coverage(30 * 12, 200);
    Image picture(240, 335, Grey);
    picture.Touch();
    Image seen(240, 335);
    for (int frame = 0; frame < 2000; ++frame) {
        if (any(0, 3) > 0) {
            picture.Fill(any(0, 20) == 0 ? Rgb{0, 0, 0} : Grey);
        }
        for (int write = any(0, 20); write > 0; --write) {
            switch (any(0, 9)) {
                case 0: picture.Set(any(0, 239), any(0, 334), {1, 2, 3}); break;
                case 1: BlendCoverage(picture, any(-40, 250), any(-20, 340), coverage.data(), 30, 12, 30, {255, 255, 255}); break;
                default:
                    BitBlt(picture, any(-30, 250), any(-30, 340), any(0, 60), any(0, 30), source, any(-5, 40),
                           any(-5, 50), static_cast<RasterOp>(std::array{0x8800C6, 0x660046, 0xCC0020}[any(0, 2)]));
            }
        }
        if (any(0, 2) > 0) {
            continue;  // several frames may pass between looks
        }
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                if (picture.At(x, y) != seen.At(x, y)) {
                    ASSERT_TRUE(Covered(picture.Changes(), x, y)) << "frame " << frame << ", pixel (" << x << ", " << y << ")";
                }
            }
        }
        seen = picture;
        picture.ForgetChanges();
    }
}

// The point of it all: a frame that redraws the table with one sprite moved
// reports little more than the sprite's old and new places.
TEST(ImageChanges, AFrameThatMovesASpriteReportsLittleMore) {
    const Image sprite(24, 24, {0, 0, 255});
    Image picture(240, 335, Grey);
    auto frame = [&](int x) {
        picture.Fill(Grey);
        BitBlt(picture, x, 100, 24, 24, sprite, 0, 0, RasterOp::SRCAND);
        BitBlt(picture, x, 100, 24, 24, sprite, 0, 0, RasterOp::SRCINVERT);
    };
    frame(10);
    picture.ForgetChanges();
    frame(13);
    int area = 0;
    for (const PixelRect& rect : picture.Changes()) {
        area += rect.Width() * rect.Height();
    }
    EXPECT_EQ(area, 27 * 24) << "the old and the new place, joined";
}

}  // namespace
}  // namespace vork::platform
