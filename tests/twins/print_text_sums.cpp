// Prints, for every message the game prints, its line skip, how many pixels
// it inked and a checksum of the table the target's font drew it on: the
// browser's FreeTypeFont, the desktops' SDL_ttf. Built natively, with the
// desktop's lettering, and for each other target: all must print the same.
#include <cstdint>
#include <cstdio>

#include "TargetFont.h"
#include "tests/support/GameMessages.h"

int main() {
    using vork::platform::Rgb;
    constexpr Rgb Grey{128, 128, 128};
    vork::testing::TargetFont font;
    for (const vork::testing::GameMessage& message : vork::testing::GameMessages) {
        vork::platform::Image table(240, 335, Grey);
        const int lineSkip = font.Draw(table, message.Text, message.X, message.Y, message.Points, {255, 255, 255});
        std::uint32_t checksum = 2166136261u;  // FNV-1a
        int inked = 0;
        for (const Rgb pixel : table.Pixels()) {
            inked += pixel != Grey ? 1 : 0;
            for (const std::uint8_t channel : {pixel.R, pixel.G, pixel.B}) {
                checksum = (checksum ^ channel) * 16777619u;
            }
        }
        std::printf("%-22.*s line skip %d, %4d pixels inked, checksum %08x\n", static_cast<int>(message.Text.size()),
                    message.Text.data(), lineSkip, inked, static_cast<unsigned>(checksum));
    }
    return 0;
}
