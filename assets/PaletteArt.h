#pragma once

#include "platform/Image.h"

#include <array>
#include <span>
#include <string_view>

namespace vork::assets {

// The classic 16-colour VGA palette, in its usual index order.
inline constexpr std::array<platform::Rgb, 16> VgaPalette{{
    {0, 0, 0},       // 0 black
    {128, 0, 0},     // 1 maroon
    {0, 128, 0},     // 2 green
    {128, 128, 0},   // 3 olive
    {0, 0, 128},     // 4 navy
    {128, 0, 128},   // 5 purple
    {0, 128, 128},   // 6 teal
    {192, 192, 192}, // 7 silver
    {128, 128, 128}, // 8 grey
    {255, 0, 0},     // 9 red
    {0, 255, 0},     // a lime
    {255, 255, 0},   // b yellow
    {0, 0, 255},     // c blue
    {255, 0, 255},   // d fuchsia
    {0, 255, 255},   // e aqua
    {255, 255, 255}, // f white
}};

// Turns pixel art written as text (one row per string, one hex digit per
// pixel naming a VgaPalette index) into a picture. Throws std::invalid_argument
// unless there are exactly `height` rows of exactly `width` hex digits.
platform::Image DecodePaletteArt(std::span<const std::string_view> rows, int width, int height);

}  // namespace vork::assets
