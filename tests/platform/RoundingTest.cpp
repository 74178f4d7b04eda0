#include <gtest/gtest.h>

#include <limits>

#include "platform/Rounding.h"

namespace vork::platform {
namespace {

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToPixel(100.5), 100);
    EXPECT_EQ(RoundToPixel(101.5), 102);
    EXPECT_EQ(RoundToPixel(155.5), 156);
    EXPECT_EQ(RoundToPixel(83.5), 84);
    EXPECT_EQ(RoundToPixel(-0.5), 0);
    EXPECT_EQ(RoundToPixel(-1.5), -2);
    EXPECT_EQ(RoundToPixel(100.49), 100);
    EXPECT_EQ(RoundToInt16Saturating(180.5), 180);
    EXPECT_EQ(RoundToInt16Saturating(181.5), 182);
}

TEST(Rounding, SixteenBitFieldsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(RoundToInt16Saturating(32767.4), 32767);
    EXPECT_EQ(RoundToInt16Saturating(40000), 32767);
    EXPECT_EQ(RoundToInt16Saturating(1e30), 32767);
    EXPECT_EQ(RoundToInt16Saturating(-32768.4), -32768);
    EXPECT_EQ(RoundToInt16Saturating(-1e30), -32768);
    EXPECT_EQ(RoundToInt16Saturating(std::numeric_limits<double>::infinity()), 32767);
    EXPECT_EQ(RoundToInt16Saturating(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace vork::platform
