#include <gtest/gtest.h>

#include "assets/SpriteSheet.h"
#include "platform/MemoryPlatform.h"
#include "render/DrawTable.h"

namespace vork {
namespace {

using Blit = platform::MemoryPlatform::Blit;
using platform::Image;
using platform::MemoryPlatform;
using platform::RasterOp;
using platform::Rgb;
using rally::Cpu;
using rally::Player;

constexpr Rgb Grey{128, 128, 128};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Green{0, 255, 128};

struct DrawTableTest : ::testing::Test {
    rally::MatchState State;
    MemoryPlatform Platform;

    void SetUp() override {
        Platform.SetBackColor(Grey);
        State.PuckCount = 1;
        // Everything out of the way of everything else unless a test moves it.
        PlacePuck(0, 10, 60);
        PlacePuck(1, 180, 60);
        PlaceMallet(Player, 100, 250);
        PlaceMallet(Cpu, 100, 100);
    }
    void PlacePuck(int k, int x, int y) {
        State.PuckX[k] = x;
        State.PuckY[k] = y;
    }
    void PlaceMallet(int j, float x, int y) {
        State.MalletX[j] = x;
        State.MalletY[j] = static_cast<std::int16_t>(y);
    }
    const Image& Draw() {
        render::DrawTable(State, Platform);
        return Platform.Picture();
    }
    // The colour a sprite from the sheet leaves at cell pixel (i, j) over `under`.
    static Rgb SpriteOver(assets::SheetPoint mask, assets::SheetPoint image, int i, int j, Rgb under) {
        const Image& sheet = assets::SpriteSheet();
        return sheet.At(mask.X + i, mask.Y + j) == Rgb{} ? sheet.At(image.X + i, image.Y + j) : under;
    }
    static Rgb PuckOver(int i, int j, Rgb under) { return SpriteOver(assets::PuckMask, assets::PuckImage, i, j, under); }
    static Rgb MalletOver(int i, int j, Rgb under) {
        return SpriteOver(assets::MalletMask, assets::MalletImage, i, j, under);
    }
};

TEST_F(DrawTableTest, OnePuckPassMakesTheFifteenCopiesInOrder) {
    Platform.RecordBlits = true;
    PlaceMallet(Player, 100.5F, 250);
    Draw();
    const std::vector<Blit> expected{
        {10, 60, 24, 24, 24, 0, RasterOp::SRCAND},    {10, 60, 24, 24, 0, 0, RasterOp::SRCINVERT},
        {0, 156, 49, 4, 0, 48, RasterOp::SRCCOPY},    {48, 156, 49, 4, 0, 48, RasterOp::SRCCOPY},
        {96, 156, 49, 4, 0, 48, RasterOp::SRCCOPY},   {144, 156, 49, 4, 0, 48, RasterOp::SRCCOPY},
        {192, 156, 49, 4, 0, 48, RasterOp::SRCCOPY},  {100, 250, 24, 24, 24, 24, RasterOp::SRCAND},
        {100, 250, 24, 24, 0, 24, RasterOp::SRCINVERT}, {100, 100, 24, 24, 24, 24, RasterOp::SRCAND},
        {100, 100, 24, 24, 0, 24, RasterOp::SRCINVERT}, {84, 0, 48, 1, 0, 52, RasterOp::SRCCOPY},
        {108, 0, 48, 1, 0, 52, RasterOp::SRCCOPY},    {84, 334, 48, 1, 0, 52, RasterOp::SRCCOPY},
        {108, 334, 48, 1, 0, 52, RasterOp::SRCCOPY},
    };
    EXPECT_EQ(Platform.Blits, expected);
}

TEST_F(DrawTableTest, TwoPuckPassDrawsBothPucksMaskThenImageEach) {
    Platform.RecordBlits = true;
    State.PuckCount = 2;
    Draw();
    ASSERT_EQ(Platform.Blits.size(), 17u);
    EXPECT_EQ(Platform.Blits[0], (Blit{10, 60, 24, 24, 24, 0, RasterOp::SRCAND}));
    EXPECT_EQ(Platform.Blits[1], (Blit{10, 60, 24, 24, 0, 0, RasterOp::SRCINVERT}));
    EXPECT_EQ(Platform.Blits[2], (Blit{180, 60, 24, 24, 24, 0, RasterOp::SRCAND}));
    EXPECT_EQ(Platform.Blits[3], (Blit{180, 60, 24, 24, 0, 0, RasterOp::SRCINVERT}));
}

TEST_F(DrawTableTest, OnePuckPassIgnoresSlotOne) {
    const Image withSlotOneThere = Draw();
    PlacePuck(1, 50, 200);
    EXPECT_EQ(Draw(), withSlotOneThere);
    int cyan = 0;
    for (const Rgb p : withSlotOneThere.Pixels()) cyan += p == Rgb{128, 255, 255};
    State.PuckCount = 2;
    int cyanWithTwo = 0;
    for (const Rgb p : Draw().Pixels()) cyanWithTwo += p == Rgb{128, 255, 255};
    EXPECT_EQ(cyanWithTwo, 2 * cyan);
}

TEST_F(DrawTableTest, PuckOnTheTableShowsItsDiscAndLeavesTheCornersGrey) {
    const Image& picture = Draw();
    int opaque = 0;
    for (int j = 0; j < 24; ++j) {
        for (int i = 0; i < 24; ++i) {
            const Rgb pixel = picture.At(10 + i, 60 + j);
            ASSERT_EQ(pixel, PuckOver(i, j, Grey)) << i << "," << j;
            opaque += pixel != Grey;
        }
    }
    EXPECT_EQ(opaque, 456);
    EXPECT_EQ(picture.At(10, 60), Grey);
    EXPECT_EQ(picture.At(33, 83), Grey);
}

TEST_F(DrawTableTest, CentreLineIsUnbrokenAcrossTheTableAndCoversAPuck) {
    PlacePuck(0, 100, 150);  // rows 150 to 173
    const Image& picture = Draw();
    for (int x = 0; x < 240; ++x) {
        for (int y = 156; y <= 159; ++y) ASSERT_EQ(picture.At(x, y), Red) << x << "," << y;
        ASSERT_EQ(picture.At(x, 155), x >= 100 && x < 124 ? PuckOver(x - 100, 5, Grey) : Grey) << x;
        ASSERT_EQ(picture.At(x, 160), x >= 100 && x < 124 ? PuckOver(x - 100, 10, Grey) : Grey) << x;
    }
}

TEST_F(DrawTableTest, MalletShowsThePuckBeneathThroughItsHole) {
    PlacePuck(0, 100, 250);
    PlaceMallet(Player, 100, 250);
    const Image& picture = Draw();
    for (int j = 0; j < 24; ++j) {
        for (int i = 0; i < 24; ++i) {
            ASSERT_EQ(picture.At(100 + i, 250 + j), MalletOver(i, j, PuckOver(i, j, Grey))) << i << "," << j;
        }
    }
    // The centre of the hole shows the puck's H bar in yellow.
    EXPECT_EQ(picture.At(100 + 12, 250 + 11), (Rgb{255, 255, 0}));
}

TEST_F(DrawTableTest, LaterSpritesLieOverEarlierOnes) {
    State.PuckCount = 2;
    PlacePuck(0, 50, 50);
    PlacePuck(1, 60, 55);
    PlaceMallet(Player, 100, 100);
    PlaceMallet(Cpu, 108, 104);
    const Image& picture = Draw();
    for (int j = 0; j < 24; ++j) {
        for (int i = 0; i < 24; ++i) {
            const Rgb underPuck1 = (i + 10 < 24 && j + 5 < 24) ? PuckOver(i + 10, j + 5, Grey) : Grey;
            ASSERT_EQ(picture.At(60 + i, 55 + j), PuckOver(i, j, underPuck1)) << i << "," << j;
        }
    }
    EXPECT_EQ(picture.At(108 + 12, 104 + 1), (Rgb{0, 0, 255})) << "CPU mallet drawn last";
}

TEST_F(DrawTableTest, GoalLinesCoverSpritesOnTheTopAndBottomRows) {
    PlaceMallet(Cpu, 70, 0);
    PlacePuck(0, 140, 311);  // its last row is the table's last
    const Image& picture = Draw();
    for (int x = 0; x < 240; ++x) {
        const bool onLine = x >= 84 && x <= 155;
        const Rgb cpuTop = x >= 70 && x < 94 ? MalletOver(x - 70, 0, Grey) : Grey;
        const Rgb puckBottom = x >= 140 && x < 164 ? PuckOver(x - 140, 23, Grey) : Grey;
        ASSERT_EQ(picture.At(x, 0), onLine ? Green : cpuTop) << x;
        ASSERT_EQ(picture.At(x, 334), onLine ? Green : puckBottom) << x;
    }
    // Below the top row the CPU mallet is whole.
    for (int i = 0; i < 24; ++i) ASSERT_EQ(picture.At(70 + i, 1), MalletOver(i, 1, Grey));
}

TEST_F(DrawTableTest, PlayerMalletXRoundsTiesToEven) {
    PlaceMallet(Player, 100.5F, 250);
    const Image at100 = Draw();
    PlaceMallet(Player, 100, 250);
    EXPECT_EQ(Draw(), at100);
    PlaceMallet(Player, 101.5F, 250);
    const Image at102 = Draw();
    PlaceMallet(Player, 102, 250);
    EXPECT_EQ(Draw(), at102);
    EXPECT_NE(at100, at102);
}

TEST_F(DrawTableTest, DrawingAgainGivesTheSamePictureWhateverWasThere) {
    const Image once = Draw();
    Platform.CurrentX = 10;
    Platform.CurrentY = 10;
    Platform.Picture().Fill({1, 2, 3});
    EXPECT_EQ(Draw(), once);
    EXPECT_EQ(Draw(), once);
}

TEST(DrawTableOnOtherSizes, PositionsFollowTheClientSizeRead) {
    rally::MatchState state;
    state.PuckCount = 0;
    state.MalletX = {-100, -100};
    MemoryPlatform narrow(239, 335);
    narrow.RecordBlits = true;
    render::DrawTable(state, narrow);
    ASSERT_EQ(narrow.Blits.size(), 13u);
    EXPECT_EQ(narrow.Blits[9].X, 84);   // 83.5 to even
    EXPECT_EQ(narrow.Blits[10].X, 108);  // 107.5 to even
    EXPECT_EQ(narrow.Blits[11].Y, 334);

    MemoryPlatform shorter(240, 300);
    shorter.RecordBlits = true;
    render::DrawTable(state, shorter);
    EXPECT_EQ(shorter.Blits[0].Y, 138);
    EXPECT_EQ(shorter.Blits[12].Y, 299);
}

}  // namespace
}  // namespace vork
