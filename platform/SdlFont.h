#pragma once

#include <map>
#include <memory>
#include <string_view>

#include "platform/Image.h"

struct _TTF_Font;

namespace vork::platform {

// The game's face, built into the executable, opened at each size it is asked
// for (points at 96 dots per inch) and kept open for the life of the window.
class SdlFont {
public:
    SdlFont();
    ~SdlFont();
    SdlFont(const SdlFont&) = delete;
    SdlFont& operator=(const SdlFont&) = delete;

    // Paints only the glyphs of `text` in `colour`, its character cell's
    // top-left at (x, y). Returns the face's line height at that size.
    int Draw(Image& picture, std::string_view text, int x, int y, double points, Rgb colour);
    // Width and height of the line's character cell.
    std::pair<int, int> Measure(std::string_view text, double points);

private:
    _TTF_Font* AtSize(double points);

    struct CloseFont {
        void operator()(_TTF_Font* font) const;
    };
    std::map<int, std::unique_ptr<_TTF_Font, CloseFont>> fonts_;
};

}  // namespace vork::platform
