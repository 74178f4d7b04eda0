#pragma once

#include "platform/FreeTypeFont.h"

extern const unsigned char vork_font_sans_subset[];
extern const std::size_t vork_font_sans_subset_size;

namespace vork::testing {

// The browser's lettering: FreeType alone, from the font subset.
struct TargetFont : platform::FreeTypeFont {
    TargetFont() : FreeTypeFont(vork_font_sans_subset, vork_font_sans_subset_size) {}
};

}  // namespace vork::testing
