#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <set>
#include <string>

#include "platform/FreeTypeFont.h"
#include "platform/SdlFont.h"
#include "platform/Utf8.h"
#include "support/GameHarness.h"
#include "support/GameMessages.h"

extern const unsigned char vork_font_sans[];
extern const std::size_t vork_font_sans_size;
extern const unsigned char vork_font_sans_subset[];
extern const std::size_t vork_font_sans_subset_size;

namespace vork::platform {
namespace {

constexpr Rgb Grey{128, 128, 128};
constexpr Rgb White{255, 255, 255};

// Draws the text with both fonts on the grey table and expects the same
// pixels and the same line skip.
void ExpectSamePicture(SdlFont& desktop, FreeTypeFont& font, std::string_view text, int x, int y, double points) {
    Image expected(240, 335, Grey);
    Image actual(240, 335, Grey);
    const int expectedSkip = desktop.Draw(expected, text, x, y, points, White);
    EXPECT_EQ(font.Draw(actual, text, x, y, points, White), expectedSkip) << text;
    int differing = 0;
    for (std::size_t i = 0; i < expected.Pixels().size(); ++i) {
        differing += expected.Pixels()[i] != actual.Pixels()[i] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << "pixels differ in \"" << text << "\" at " << points << " points";
    EXPECT_NE(expected, Image(240, 335, Grey)) << text << " drew nothing";
}

TEST(FreeTypeFont, EveryMessageFromTheSubsetIsTheDesktopsPicture) {
    SdlFont desktop;
    FreeTypeFont subset(vork_font_sans_subset, vork_font_sans_subset_size);
    for (const testing::GameMessage& m : testing::GameMessages) {
        ExpectSamePicture(desktop, subset, m.Text, m.X, m.Y, m.Points);
    }
}

// The messages have no kerned pair; these have kerning, overlapping glyphs,
// a glyph reaching left of the pen, text past the table's edges and UTF-8.
TEST(FreeTypeFont, KernedOverlappingAndClippedTextIsTheDesktopsPicture) {
    SdlFont desktop;
    FreeTypeFont full(vork_font_sans, vork_font_sans_size);
    for (const double points : {16.0, 32.0, 11.0}) {
        for (const char* text : {"AVAVA Ty, W.", "jAWA ffi LT ___", "Caf\xc3\xa9 \xe2\x82\xac"}) {
            ExpectSamePicture(desktop, full, text, 3, 40, points);
        }
    }
    ExpectSamePicture(desktop, full, "VAVAVAVAVAVAVA", 170, 320, 32);
    ExpectSamePicture(desktop, full, "jjjj", -7, -9, 32);
    ExpectSamePicture(desktop, full, std::string_view("Ty\0AV", 5), 3, 40, 16);  // SDL_ttf stops at a NUL
}

TEST(FreeTypeFont, EmptyTextPaintsNothingButMovesALine) {
    SdlFont desktop;
    FreeTypeFont full(vork_font_sans, vork_font_sans_size);
    Image table(10, 10, Grey);
    EXPECT_EQ(full.Draw(table, "", 0, 0, 16, White), desktop.Draw(table, "", 0, 0, 16, White));
    EXPECT_EQ(table, Image(10, 10, Grey));
}

TEST(Utf8, MalformedBytesReadAsReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x8f\x92"), (std::u32string{U'a', 0xE9, 0x20AC, 0x1F3D2}));
    EXPECT_EQ(DecodeUtf8("\xff" "a\xc3" "b\xe0\x80\x80\xed\xa0\x80"),
              (std::u32string{0xFFFD, U'a', 0xFFFD, U'b', 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
}

// A new message with a new letter must fail here, not in the browser.
TEST(FontSubset, HoldsEveryCharacterAWholeMatchPrints) {
    testing::GameHarness game;
    game.Platform.ScheduleMove(game.Platform.Now, 215, 310);  // out of the puck's way: rallies end alone
    for (int rallies = 0; rallies == 0 || game.State().PuckCount != 0; ++rallies) {
        ASSERT_LT(rallies, 40) << "the match does not end";
        ASSERT_EQ(game.Click(0, 2'000'000), -1);
    }
    std::set<char32_t> printed;
    for (const auto& texts : {game.TitleTexts, game.Platform.Texts}) {
        for (const auto& text : texts) {
            const std::u32string characters = DecodeUtf8(text.Text);
            printed.insert(characters.begin(), characters.end());
        }
    }

    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Memory_Face(library, vork_font_sans_subset, static_cast<FT_Long>(vork_font_sans_subset_size), 0,
                                 &face),
              0);
    for (const char32_t character : printed) {
        EXPECT_NE(FT_Get_Char_Index(face, character), 0u)
            << "U+" << std::hex << static_cast<unsigned>(character) << " is printed but not in the font subset";
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

}  // namespace
}  // namespace vork::platform
