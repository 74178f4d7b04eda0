// Prints, for every message the game prints, its line skip, how many pixels
// it inked and a checksum of the table the target's font drew it on: the
// browser's FreeTypeFont, the desktops' SDL_ttf. Built natively, with the
// desktop's lettering, and for each other target: all must print the same.
#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "PictureChecksum.h"
#include "TargetFont.h"
#include "tests/support/GameMessages.h"

int main() {
    using vork::platform::Rgb;
    constexpr Rgb Grey{128, 128, 128};
    vork::testing::TargetFont font;
    for (const vork::testing::GameMessage& message : vork::testing::GameMessages) {
        vork::platform::Image table(240, 335, Grey);
        const int lineSkip = font.Draw(table, message.Text, message.X, message.Y, message.Points, {255, 255, 255});
        const auto inked = std::count_if(table.Pixels().begin(), table.Pixels().end(),
                                         [&](const Rgb pixel) { return pixel != Grey; });
        std::printf("%-22.*s line skip %d, %4d pixels inked, checksum %016" PRIx64 "\n",
                    static_cast<int>(message.Text.size()), message.Text.data(), lineSkip, static_cast<int>(inked),
                    vork::testing::PictureChecksum(table));
    }
    return 0;
}
