#include "tests/window/harness/ExpectedPictures.h"

#include "platform/SdlFont.h"

namespace vork::testing {

platform::Image TitlePicture() {
    platform::Image picture(GameFacts::ClientWidth, GameFacts::ClientHeight, GameFacts::Table);
    platform::SdlFont font;
    for (const GameFacts::Lettering& text : {GameFacts::TitleName, GameFacts::TitlePrompt}) {
        font.Draw(picture, text.Text, text.X, text.Y, text.Points, GameFacts::Text);
    }
    return picture;
}

std::vector<Point> SolidTextPixels(const GameFacts::Lettering& lettering) {
    constexpr platform::Rgb Black{0, 0, 0};
    platform::Image scratch(GameFacts::ClientWidth, GameFacts::ClientHeight, Black);
    platform::SdlFont font;
    font.Draw(scratch, lettering.Text, lettering.X, lettering.Y, lettering.Points, GameFacts::Text);
    std::vector<Point> solid;
    for (int y = 0; y < scratch.Height(); ++y) {
        for (int x = 0; x < scratch.Width(); ++x) {
            if (scratch.At(x, y) == GameFacts::Text) {
                solid.push_back({x, y});
            }
        }
    }
    return solid;
}

}  // namespace vork::testing
