#include <gtest/gtest.h>

#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/ExpectedPictures.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/harness/WaylandGameSession.h"

namespace vork::testing {

// An output of scale 2, as a compositor at 200% has: the window keeps its
// size in the desktop's units, and the game gives it twice the pixels, each
// table pixel a crisp 2 x 2 block rather than a smudge the compositor made.
TEST(WaylandDenseScreen, ShowsTheTableInTwiceThePixelsAndCrisp) {
    WestonDesktop desktop(2);
    WaylandGameSession game(desktop);
    ASSERT_TRUE(game.WaitForWindow()) << "no window of the game on weston within 5 s";
    EXPECT_EQ(game.Client().Area.Width(), GameFacts::ClientWidth);
    EXPECT_EQ(game.Client().Area.Height(), GameFacts::ClientHeight);
    EXPECT_TRUE(ComesToShow(
        [&]() -> std::optional<platform::Image> {
            const auto shot = game.Grab();
            return shot ? Shrunk(*shot, 2) : std::nullopt;
        },
        TitlePicture(), 3s));
}

}  // namespace vork::testing
