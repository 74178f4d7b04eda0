#include <gtest/gtest.h>

#include "platform/BitBlt.h"

namespace vork::platform {
namespace {

constexpr Rgb Grey{128, 128, 128};

// A 4 x 3 source whose pixels all differ: (x, y) -> (16x + y, 100 + x, 200 + y).
Image NumberedSource() {
    Image source(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.Set(x, y, {static_cast<std::uint8_t>(16 * x + y), static_cast<std::uint8_t>(100 + x),
                              static_cast<std::uint8_t>(200 + y)});
    return source;
}

TEST(BitBlt, RasterOperationsCombineChannelByChannel) {
    Image source(1, 1, {0b1100'1100, 0b1010'1010, 0xFF});
    for (auto [op, expected] : {std::pair{RasterOp::SRCAND, Rgb{0b1000'1000, 0b1000'1010, 0b1001'1001}},
                                std::pair{RasterOp::SRCINVERT, Rgb{0b0110'0101, 0b0011'0101, 0b0110'0110}},
                                std::pair{RasterOp::SRCCOPY, Rgb{0b1100'1100, 0b1010'1010, 0xFF}}}) {
        Image destination(1, 1, {0b1010'1001, 0b1001'1111, 0b1001'1001});
        BitBlt(destination, 0, 0, 1, 1, source, 0, 0, op);
        EXPECT_EQ(destination.At(0, 0), expected) << static_cast<int>(op);
    }
}

TEST(BitBlt, MaskThenXorDrawsOpaquePixelsAndKeepsTransparentOnes) {
    // Column 0 transparent (mask white, picture black), column 1 opaque red.
    Image mask(2, 1);
    mask.Set(0, 0, {255, 255, 255});
    Image picture(2, 1);
    picture.Set(1, 0, {255, 0, 0});
    Image table(2, 1, Grey);
    BitBlt(table, 0, 0, 2, 1, mask, 0, 0, RasterOp::SRCAND);
    BitBlt(table, 0, 0, 2, 1, picture, 0, 0, RasterOp::SRCINVERT);
    EXPECT_EQ(table.At(0, 0), Grey);
    EXPECT_EQ(table.At(1, 0), (Rgb{255, 0, 0}));
}

TEST(BitBlt, ClipsAtEveryEdgeOfTheDestination) {
    const Image source = NumberedSource();
    Image destination(5, 5, Grey);
    BitBlt(destination, -2, -1, 4, 3, source, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(destination.At(0, 0), source.At(2, 1));
    EXPECT_EQ(destination.At(1, 1), source.At(3, 2));
    EXPECT_EQ(destination.At(2, 0), Grey);
    EXPECT_EQ(destination.At(0, 2), Grey);

    Image other(5, 5, Grey);
    BitBlt(other, 3, 4, 4, 3, source, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(other.At(3, 4), source.At(0, 0));
    EXPECT_EQ(other.At(4, 4), source.At(1, 0));
    EXPECT_EQ(other.At(2, 4), Grey);
}

TEST(BitBlt, ClipsAtTheSourceEdgesLeavingTheRestUntouched) {
    const Image source = NumberedSource();
    Image destination(8, 4, Grey);
    BitBlt(destination, 1, 0, 5, 4, source, 1, 1, RasterOp::SRCCOPY);  // 5 x 4 from a 3 x 2 remainder
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool copied = x >= 1 && x < 4 && y < 2;
            EXPECT_EQ(destination.At(x, y), copied ? source.At(x, y + 1) : Grey) << x << "," << y;
        }
    }
}

TEST(BitBlt, RectanglesWhollyOutsideChangeNothing) {
    const Image source = NumberedSource();
    Image destination(4, 4, Grey);
    const Image before = destination;
    BitBlt(destination, 4, 0, 2, 2, source, 0, 0, RasterOp::SRCCOPY);
    BitBlt(destination, 0, -2, 2, 2, source, 0, 0, RasterOp::SRCCOPY);
    BitBlt(destination, 0, 0, 2, 2, source, 4, 0, RasterOp::SRCCOPY);
    BitBlt(destination, 0, 0, 0, 2, source, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(destination, before);
}

TEST(BitBlt, EveryCopyMarksWhatItTouchedAfterClipping) {
    const Image source = NumberedSource();
    Image destination(4, 4, Grey);
    BitBlt(destination, -1, 2, 3, 5, source, 0, 0, RasterOp::SRCAND);
    ASSERT_EQ(std::distance(destination.Changes().begin(), destination.Changes().end()), 1);
    EXPECT_EQ(*destination.Changes().begin(), (PixelRect{0, 2, 2, 4}));
}

}  // namespace
}  // namespace vork::platform
