#include <gtest/gtest.h>

#include "tests/window/PictureAssertions.h"
#include "tests/window/harness/PictureProbe.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandFrames = WaylandTest;

// What reaches the screen is each frame as the game draws it. Each frame goes
// into whichever of the game's buffers the compositor has let go of, brought
// up to date with what changed since that buffer was last shown: a pixel left
// behind shows here. KWin's screenshots leave the pointer out, so each is
// compared whole with the table redrawn from what it shows. weston's show
// the pointer, which the hold keeps over the player's half: there the pucks
// and the CPU's mallet are looked at, as one left behind beside the new makes
// them one box larger than a sprite, or two.
TEST_P(WaylandFrames, ShowEveryFrameAsTheGameDrawsIt) {
    StartRally();
    const auto oneSprite = [](const Box& box) {
        return box.Width() <= GameFacts::SpriteSize && box.Height() <= GameFacts::SpriteSize;
    };
    for (int shot = 0; shot < 30; ++shot) {
        if (compositor == Compositor::KWin) {
            ASSERT_TRUE(ShowsDrawnTable([this] { return game.Grab(); }, [this] { return game.Log()->Title(); }))
                << "shot " << shot;
            continue;
        }
        const auto picture = game.Grab();
        ASSERT_TRUE(picture) << "no screenshot";
        const std::vector<Box> pucks = FindPucks(*picture);
        EXPECT_LE(pucks.size(), 1u) << "shot " << shot << ": a one-puck rally shows " << pucks.size();
        for (const Box& puck : pucks) {
            EXPECT_TRUE(oneSprite(puck)) << "shot " << shot << ": the puck shows over " << puck;
        }
        const auto cpu = FindMallet(*picture, 0, GameFacts::PlayerHalfTop);
        EXPECT_TRUE(cpu && oneSprite(*cpu)) << "shot " << shot << ": the CPU's mallet shows over "
                                           << cpu.value_or(Box{-1, -1, -1, -1});
    }
}

// Mutter gives no pictures here.
INSTANTIATE_TEST_SUITE_P(On, WaylandFrames, ::testing::Values(Compositor::Weston, Compositor::KWin), CompositorName);

}  // namespace
}  // namespace vork::testing
