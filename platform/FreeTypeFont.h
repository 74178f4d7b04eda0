#pragma once

#include <cstddef>
#include <map>
#include <string_view>

#include "platform/Image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace vork::platform {

// The game's face drawn by FreeType alone, for targets without SDL. It gives
// the pixels and line skip SdlFont gives from the same face: SDL_ttf 2.20.1 as
// Debian builds it, which lays the line out with HarfBuzz. The face is read
// where it lies, so `bytes` must outlive the font. Outline faces only.
class FreeTypeFont {
public:
    FreeTypeFont(const unsigned char* bytes, std::size_t size);
    ~FreeTypeFont();
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    // Paints only the glyphs of `text` in `colour`, its character cell's
    // top-left at (x, y). Returns the face's line skip at that size.
    int Draw(Image& picture, std::string_view text, int x, int y, double points, Rgb colour);

private:
    FT_FaceRec_* AtSize(double points);

    const unsigned char* bytes_;
    std::size_t size_;
    FT_LibraryRec_* library_ = nullptr;
    std::map<int, FT_FaceRec_*> faces_;
};

}  // namespace vork::platform
