#include "assets/Icon.h"

#include "assets/PaletteArt.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace vork::assets {

namespace {

// "vo" over "rK" in yellow (b) with a black (0) drop shadow, on navy (4)
// edged in blue (c); the corners are black.
constexpr std::array<std::string_view, IconSize> IconArt{{
    "00cccccccccccccccccccccccccccc00",
    "0c4444444444444444444444444444c0",
    "c444444444444444444444444444444c",
    "c44bbb44444bbb44444bbbbbbb44444c",
    "c44bbb04444bbb0444bbbbbbbbb4444c",
    "c444bbb444bbb0044bbbb000bbbb444c",
    "c444bbb044bbb0444bbb00444bbb044c",
    "c4444bbb4bbb00444bbb04444bbb044c",
    "c4444bbb0bbb04444bbb04444bbb044c",
    "c44444bbbbb004444bbb04444bbb044c",
    "c44444bbbbb044444bbbb444bbbb044c",
    "c444444bbb00444444bbbbbbbbb0044c",
    "c444444bbb044444444bbbbbbb00444c",
    "c444444400044444444400000004444c",
    "c444444444444444444444444444444c",
    "c444444444444444444444444444444c",
    "c4444444444444444bbb4444bbbb444c",
    "c4444444444444444bbb044bbbb0044c",
    "c4444444444444444bbb04bbbb00444c",
    "c44bbb44bbbbb4444bbb0bbbb004444c",
    "c44bbb0bbbbbbb444bbbbbbb0044444c",
    "c44bbbbbb000bb044bbbbbb00444444c",
    "c44bbbbb004440044bbbbb004444444c",
    "c44bbbb0044444444bbbbbb44444444c",
    "c44bbb00444444444bbbbbbb4444444c",
    "c44bbb04444444444bbb0bbbb444444c",
    "c44bbb04444444444bbb04bbbb44444c",
    "c44bbb04444444444bbb044bbbb4444c",
    "c44bbb04444444444bbb0444bbbb444c",
    "c444000444444444440004444000044c",
    "0c4444444444444444444444444444c0",
    "00cccccccccccccccccccccccccccc00",
}};

// The background is whatever of the corners' colour can be reached from the
// picture's edge without crossing the rim. The drop shadows share that colour
// but lie within the rim, so they stay part of the tile.
std::vector<bool> OutsideTile(const platform::Image& icon) {
    const platform::Rgb background = icon.At(0, 0);
    std::vector<bool> outside(static_cast<std::size_t>(IconSize * IconSize), false);
    std::vector<std::pair<int, int>> pending;
    for (int i = 0; i < IconSize; ++i) {
        pending.insert(pending.end(), {{i, 0}, {i, IconSize - 1}, {0, i}, {IconSize - 1, i}});
    }
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        if (!icon.Contains(x, y) || outside[y * IconSize + x] || icon.At(x, y) != background) {
            continue;
        }
        outside[y * IconSize + x] = true;
        pending.insert(pending.end(), {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}});
    }
    return outside;
}

}  // namespace

const platform::Image& Icon() {
    static const platform::Image icon = DecodePaletteArt(IconArt, IconSize, IconSize);
    return icon;
}

bool IconTileCovers(int x, int y) {
    static const std::vector<bool> outside = OutsideTile(Icon());
    return !outside[y * IconSize + x];
}

}  // namespace vork::assets
