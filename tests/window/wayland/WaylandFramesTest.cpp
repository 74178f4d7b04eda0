#include <gtest/gtest.h>

#include "tests/window/harness/PictureProbe.h"
#include "tests/window/wayland/WaylandTest.h"

namespace vork::testing {
namespace {

using WaylandFrames = WaylandTest;

// Each frame goes into whichever of the game's buffers the compositor has
// let go of, brought up to date with what changed since that buffer was
// last shown: one left behind shows an old puck or CPU mallet beside the
// new, which makes them one box larger than a sprite, or two. Only the
// pucks and the CPU's mallet are looked at: weston's screenshots show the
// pointer, which the hold keeps over the player's half.
TEST_P(WaylandFrames, ShowEachPuckAndTheCpusMalletOnceInEveryShot) {
    StartRally();
    const auto oneSprite = [](const Box& box) {
        return box.Width() <= GameFacts::SpriteSize && box.Height() <= GameFacts::SpriteSize;
    };
    for (int shot = 0; shot < 30; ++shot) {
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

// KWin's screenshots leave the pointer out: there every frame is compared whole.
INSTANTIATE_TEST_SUITE_P(On, WaylandFrames, ::testing::Values(Compositor::Weston), CompositorName);

}  // namespace
}  // namespace vork::testing
