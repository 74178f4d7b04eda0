#include "platform/FreeTypeFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Rounding.h"
#include "platform/TextBlend.h"
#include "platform/Utf8.h"

namespace vork::platform {
namespace {

constexpr unsigned ScreenDpi = 96;

[[noreturn]] void Fail(const char* what, FT_Error error) {
    throw std::runtime_error(std::string(what) + " (FreeType error " + std::to_string(error) + ")");
}

// Whole pixels of a 26.6 value, as SDL_ttf's FT_FLOOR and FT_CEIL take them.
int FloorPixels(FT_Pos value) { return static_cast<int>((value & -64) / 64); }
int CeilPixels(FT_Pos value) { return FloorPixels(value + 63); }

// SDL_ttf's choice of character map: UCS-4 if there is one, else the first
// other Unicode map.
void SelectCharmap(FT_Face face) {
    const auto first = [face](auto wanted) -> FT_CharMap {
        const auto end = face->charmaps + face->num_charmaps;
        const auto found = std::find_if(face->charmaps, end, wanted);
        return found == end ? nullptr : *found;
    };
    FT_CharMap chosen = first([](FT_CharMap map) { return map->platform_id == 3 && map->encoding_id == 10; });
    if (chosen == nullptr) {
        chosen = first([](FT_CharMap map) {
            return (map->platform_id == 3 && map->encoding_id <= 1) || (map->platform_id == 2 && map->encoding_id == 1) ||
                   map->platform_id == 0;
        });
    }
    if (chosen != nullptr) {
        FT_Set_Charmap(face, chosen);
    }
}

// The face's vertical metrics at its size, in whole pixels (TTF_initFontMetrics).
struct LineMetrics {
    int Ascent;
    int Height;    // the least height of a line's cell
    int LineSkip;  // what the cursor moves down by
};

LineMetrics MetricsOf(FT_Face face) {
    const FT_Fixed scale = face->size->metrics.y_scale;
    return {CeilPixels(FT_MulFix(face->ascender, scale)),
            CeilPixels(FT_MulFix(face->ascender - face->descender, scale)),
            CeilPixels(FT_MulFix(face->height, scale))};
}

// A glyph of the line where HarfBuzz put it: the 26.6 pen position.
struct PlacedGlyph {
    FT_UInt Index;
    FT_Pos PenX;
};

struct LaidOutLine {
    std::vector<PlacedGlyph> Glyphs;
    FT_Pos End = 0;  // the pen after the last glyph
};

// HarfBuzz's multiplier from font units to 26.6 (hb_ft_font_changed, then
// hb_font_t::mults_changed, which divides by the em as a float).
std::int64_t KerningMultiplier(FT_Face face) {
    const std::uint64_t scale =
        (static_cast<std::uint64_t>(face->size->metrics.x_scale) * face->units_per_EM + (1u << 15)) >> 16;
    return static_cast<std::int64_t>(static_cast<float>(static_cast<std::int64_t>(scale) << 16) /
                                     static_cast<float>(face->units_per_EM));
}

// The line as Debian's SDL_ttf lays it out: HarfBuzz with FreeType's hinted
// advances and, since the face's GPOS has no kerning for the default script,
// the legacy 'kern' table, which HarfBuzz splits between the two glyphs of a
// pair. The pen positions keep their fractions; only the drawing floors them.
LaidOutLine LayOut(FT_Face face, std::string_view text) {
    LaidOutLine line;
    std::vector<FT_Pos> advances;
    std::vector<FT_Pos> offsets;
    for (const char32_t character : DecodeUtf8(text)) {
        const FT_UInt index = FT_Get_Char_Index(face, character);
        FT_Fixed advance = 0;
        if (const FT_Error error = FT_Get_Advance(face, index, FT_LOAD_DEFAULT, &advance)) {
            Fail("cannot measure a glyph", error);
        }
        // 16.16 to 26.6 through a float, as hb_ft_get_glyph_h_advances does it.
        advances.push_back(static_cast<int>(static_cast<float>(advance) + 512.0f) >> 10);
        offsets.push_back(0);
        line.Glyphs.push_back({index, 0});
    }
    const std::int64_t multiplier = KerningMultiplier(face);
    for (std::size_t i = 1; i < line.Glyphs.size(); ++i) {
        FT_Vector kerning{};
        FT_Get_Kerning(face, line.Glyphs[i - 1].Index, line.Glyphs[i].Index, FT_KERNING_UNSCALED, &kerning);
        if (kerning.x == 0) {
            continue;
        }
        // hb_font_t::em_mult, then hb_kern_machine_t's split: the first glyph's
        // advance takes the floor of half, the second's advance and offset the rest.
        const auto kern = static_cast<FT_Pos>((kerning.x * multiplier + 32768) >> 16);
        const FT_Pos first = kern >> 1;
        advances[i - 1] += first;
        advances[i] += kern - first;
        offsets[i] += kern - first;
    }
    for (std::size_t i = 0; i < line.Glyphs.size(); ++i) {
        line.Glyphs[i].PenX = line.End + offsets[i];
        line.End += advances[i];
    }
    return line;
}

// A glyph as SDL_ttf's Load_Glyph keeps it: the box the line's size is
// measured with (FreeType's estimate before rendering) and the rendered
// coverage with its own placement.
struct GlyphImage {
    int BoxLeft, BoxTop, BoxWidth, BoxRows;
    int Left, Top, Width, Rows;
    std::vector<std::uint8_t> Coverage;
};

GlyphImage Render(FT_Face face, FT_UInt index) {
    // SDL_ttf asks for colour glyphs when it blends; they are plain outlines here.
    if (const FT_Error error = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_COLOR)) {
        Fail("cannot load a glyph", error);
    }
    const FT_GlyphSlot slot = face->glyph;
    GlyphImage glyph{slot->bitmap_left, slot->bitmap_top, static_cast<int>(slot->bitmap.width),
                     static_cast<int>(slot->bitmap.rows), 0, 0, 0, 0, {}};
    if (glyph.BoxLeft == 0 && glyph.BoxTop == 0 && glyph.BoxWidth == 0 && glyph.BoxRows == 0) {
        // SDL_ttf's fallback for FreeType versions that leave the estimate empty.
        const FT_Glyph_Metrics& metrics = slot->metrics;
        const int maxY = FloorPixels(metrics.horiBearingY);
        glyph.BoxLeft = FloorPixels(metrics.horiBearingX);
        glyph.BoxTop = maxY;
        glyph.BoxWidth = CeilPixels(metrics.horiBearingX + metrics.width) - glyph.BoxLeft;
        glyph.BoxRows = CeilPixels(metrics.height);
    }
    if (const FT_Error error = FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL)) {
        Fail("cannot render a glyph", error);
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        throw std::runtime_error("the font must have outline glyphs");
    }
    glyph.Left = slot->bitmap_left;
    glyph.Top = slot->bitmap_top;
    glyph.Width = static_cast<int>(bitmap.width);
    glyph.Rows = glyph.Width == 0 ? 0 : static_cast<int>(bitmap.rows);
    glyph.Coverage.resize(static_cast<std::size_t>(glyph.Width) * glyph.Rows);
    for (int row = 0; row < glyph.Rows; ++row) {
        std::copy_n(bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch, glyph.Width,
                    glyph.Coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.Width);
    }
    return glyph;
}

// Coverage of a whole line, `Width` by `Height`.
struct LineCoverage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Alpha;

    // SDL_ttf's blended line ORs each glyph's coverage into the line's alpha,
    // so where glyphs overlap the result is neither the larger nor the sum.
    void Add(const GlyphImage& glyph, int x, int y) {
        for (int row = std::max(0, -y); row < glyph.Rows && y + row < Height; ++row) {
            for (int column = std::max(0, -x); column < glyph.Width && x + column < Width; ++column) {
                Alpha[static_cast<std::size_t>(y + row) * Width + x + column] |=
                    glyph.Coverage[static_cast<std::size_t>(row) * glyph.Width + column];
            }
        }
    }
};

// TTF_Size_Internal's cell and Render_Line's placement: the cell starts at
// the pen's origin and the face's height, and grows to every glyph's box.
LineCoverage Rasterize(FT_Face face, const LineMetrics& metrics, const LaidOutLine& line) {
    std::vector<GlyphImage> glyphs;
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = metrics.Height;
    for (const PlacedGlyph& placed : line.Glyphs) {
        const GlyphImage& glyph = glyphs.emplace_back(Render(face, placed.Index));
        const int left = FloorPixels(placed.PenX) + glyph.BoxLeft;
        const int top = metrics.Ascent - glyph.BoxTop;
        minX = std::min(minX, left);
        maxX = std::max(maxX, left + glyph.BoxWidth);
        minY = std::min(minY, top);
        maxY = std::max(maxY, top + glyph.BoxRows);
    }
    // SDL_ttf's "only one space" rule: the cell reaches the last pen position.
    maxX = std::max(maxX, FloorPixels(line.End));

    LineCoverage coverage{maxX - minX, maxY - minY, {}};
    coverage.Alpha.resize(static_cast<std::size_t>(coverage.Width) * coverage.Height);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        coverage.Add(glyphs[i], -minX + FloorPixels(line.Glyphs[i].PenX) + glyphs[i].Left,
                     -minY + metrics.Ascent - glyphs[i].Top);
    }
    return coverage;
}

}  // namespace

FreeTypeFont::FreeTypeFont(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {
    if (const FT_Error error = FT_Init_FreeType(&library_)) {
        Fail("cannot start FreeType", error);
    }
}

FreeTypeFont::~FreeTypeFont() {
    for (const auto& [points, face] : faces_) {
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library_);
}

// A face per size, as SDL_ttf opens a font per size: sized once, since every
// new size runs the face's hinting program again.
FT_Face FreeTypeFont::AtSize(double points) {
    const int size = RoundToPixel(points);
    if (const auto found = faces_.find(size); found != faces_.end()) {
        return found->second;
    }
    FT_Face face = nullptr;
    if (const FT_Error error = FT_New_Memory_Face(library_, bytes_, static_cast<FT_Long>(size_), 0, &face)) {
        Fail("cannot open the font", error);
    }
    faces_.emplace(size, face);
    if (!FT_IS_SCALABLE(face)) {
        throw std::runtime_error("the font must be scalable");
    }
    SelectCharmap(face);
    if (const FT_Error error = FT_Set_Char_Size(face, 0, size * 64, ScreenDpi, ScreenDpi)) {
        Fail("cannot size the font", error);
    }
    return face;
}

int FreeTypeFont::Draw(Image& picture, std::string_view text, int x, int y, double points, Rgb colour) {
    FT_Face face = AtSize(points);
    const LineMetrics metrics = MetricsOf(face);
    text = text.substr(0, text.find('\0'));  // SdlFont hands SDL_ttf a C string
    if (!text.empty()) {
        const LineCoverage line = Rasterize(face, metrics, LayOut(face, text));
        BlendCoverage(picture, x, y, line.Alpha.data(), line.Width, line.Height, line.Width, colour);
    }
    return metrics.LineSkip;
}

}  // namespace vork::platform
