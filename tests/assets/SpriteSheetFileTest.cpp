#include "assets/Bmp.h"
#include "assets/SpriteSheet.h"
#include "assets/SpriteSheetArt.h"
#include "tests/assets/BmpBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vork::assets {
namespace {

using testing::FieldAt;

TEST(SpriteSheetFile, HasTheExpectedHeaders) {
    const auto bytes = SpriteSheetBmp();
    ASSERT_EQ(bytes.size(), 7686u);
    const struct {
        const char* Field;
        std::size_t At;
        int Size;
        std::uint32_t Expected;
    } fields[] = {
        {"magic", 0, 2, 'B' | 'M' << 8}, {"file size", 2, 4, 7686},   {"reserved", 6, 4, 0},
        {"pixel offset", 10, 4, 54},     {"info size", 14, 4, 40},    {"width", 18, 4, 48},
        {"height", 22, 4, 53},           {"planes", 26, 2, 1},        {"bits per pixel", 28, 2, 24},
        {"compression", 30, 4, 0},       {"image size", 34, 4, 7632}, {"x pixels per metre", 38, 4, 3780},
        {"y pixels per metre", 42, 4, 3780}, {"colours used", 46, 4, 0}, {"colours important", 50, 4, 0},
    };
    for (const auto& field : fields) {
        EXPECT_EQ(FieldAt(bytes, field.At, field.Size), field.Expected) << field.Field;
    }
}

TEST(SpriteSheetFile, StoresRowsBottomUpInBgrOrder) {
    const auto bytes = SpriteSheetBmp();
    ASSERT_EQ(bytes.size(), 7686u);
    const std::size_t rowBytes = 144;
    const auto storedPixel = [&](std::size_t row, std::size_t x) {
        return FieldAt(bytes, 54 + row * rowBytes + x * 3, 3);
    };
    // Read as a little-endian number a B,G,R triple is 0xRRGGBB.
    for (std::size_t x = 0; x < 48; ++x) {
        EXPECT_EQ(storedPixel(0, x), 0x00FF80u) << "goal line, x " << x;
        EXPECT_EQ(storedPixel(4, x), 0xFF0000u) << "centre line, x " << x;
    }
    EXPECT_EQ(storedPixel(52, 0), 0u) << "puck's top-left corner";
    EXPECT_EQ(storedPixel(52, 24), 0xFFFFFFu) << "puck mask's top-left corner";
}

TEST(SpriteSheetFile, DecodesOnceToTheSheetSize) {
    EXPECT_EQ(SpriteSheet().Width(), 48);
    EXPECT_EQ(SpriteSheet().Height(), 53);
    EXPECT_EQ(&SpriteSheet(), &SpriteSheet());
}

TEST(SpriteSheetFile, MatchesTheGenerator) {
    const auto embedded = SpriteSheetBmp();
    const std::vector<unsigned char> generated = EncodeBmp(BuildSpriteSheet());
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), generated.begin(), generated.end()))
        << "sprites.bmp is stale: rebuild the vork_regenerate_sprite_sheet target";
}

}  // namespace
}  // namespace vork::assets
