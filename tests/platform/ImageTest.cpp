#include <gtest/gtest.h>

#include "platform/Image.h"

namespace vork::platform {
namespace {

TEST(Image, FillReachesEveryPixelForGreysAndColoursAlike) {
    for (const Rgb colour : {Rgb{128, 128, 128}, Rgb{1, 2, 3}, Rgb{255, 0, 128}}) {
        Image picture(7, 5, {9, 9, 9});
        const auto version = picture.Version();
        picture.Fill(colour);
        EXPECT_EQ(picture, Image(7, 5, colour));
        EXPECT_NE(picture.Version(), version);
    }
    Image empty(0, 0);
    empty.Fill({1, 2, 3});
    EXPECT_TRUE(empty.Pixels().empty());
}

TEST(Image, NegativeSizesAreRejected) {
    EXPECT_THROW(Image(-1, 3), std::invalid_argument);
}

}  // namespace
}  // namespace vork::platform
