#include "assets/Bmp.h"
#include "tests/assets/BmpBytes.h"
#include "tests/assets/Gradient.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace vork::assets {
namespace {

using platform::Image;
using Bytes = std::vector<unsigned char>;
using testing::FieldAt;
using testing::Gradient;
using testing::PatchField;

TEST(Bmp, RoundTripsEveryRowPadding) {
    // Widths 1-4 give 3, 2, 1 and 0 bytes of padding per row.
    for (int width = 1; width <= 4; ++width) {
        const Image image = Gradient(width, 3);
        EXPECT_EQ(DecodeBmp(EncodeBmp(image)), image) << "width " << width;
    }
    EXPECT_THROW(EncodeBmp(Image(0, 5)), std::invalid_argument);
}

TEST(Bmp, EncodesPaddedRowsBottomUpInBgrOrder) {
    const Image image = Gradient(2, 2);
    const Bytes bytes = EncodeBmp(image);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(FieldAt(bytes, 2, 4), bytes.size());
    EXPECT_EQ(FieldAt(bytes, 34, 4), 16u);
    const Bytes firstStoredRow(bytes.begin() + 54, bytes.begin() + 62);
    const Bytes expected{image.At(0, 1).B, image.At(0, 1).G, image.At(0, 1).R,
                         image.At(1, 1).B, image.At(1, 1).G, image.At(1, 1).R, 0, 0};
    EXPECT_EQ(firstStoredRow, expected);
}

TEST(Bmp, DecodesTopDownRowsAndLongerHeaders) {
    const Image image = Gradient(3, 4);
    const Bytes bottomUp = EncodeBmp(image);
    const std::size_t stride = 12;

    Bytes topDown(bottomUp.begin(), bottomUp.begin() + 54);
    for (std::size_t row = 4; row-- > 0;) {
        const auto start = bottomUp.begin() + static_cast<std::ptrdiff_t>(54 + row * stride);
        topDown.insert(topDown.end(), start, start + static_cast<std::ptrdiff_t>(stride));
    }
    PatchField(topDown, 22, 4, static_cast<std::uint32_t>(-4));
    EXPECT_EQ(DecodeBmp(topDown), image);

    // A 124-byte info header, as newer writers produce, then a gap before the pixels.
    Bytes longHeader = bottomUp;
    const std::size_t extra = 124 - 40 + 6;
    longHeader.insert(longHeader.begin() + 54, extra, 0xAB);
    PatchField(longHeader, 14, 4, 124);
    PatchField(longHeader, 10, 4, 54 + extra);
    EXPECT_EQ(DecodeBmp(longHeader), image);
}

TEST(Bmp, RejectsTruncatedFiles) {
    const Bytes good = EncodeBmp(Gradient(3, 2));
    for (std::size_t size : {std::size_t{0}, std::size_t{2}, std::size_t{53}, good.size() - 1}) {
        const Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(DecodeBmp(truncated), std::runtime_error) << size << " bytes";
    }
}

TEST(Bmp, RejectsMalformedHeaders) {
    const Bytes good = EncodeBmp(Gradient(3, 2));
    const struct {
        const char* Fault;
        std::size_t At;
        int Size;
        std::uint32_t Value;
    } faults[] = {
        {"magic", 0, 2, 'B' | 'A' << 8},
        {"pixel offset inside the headers", 10, 4, 53},
        {"pixel offset past the end", 10, 4, static_cast<std::uint32_t>(good.size()) + 1},
        {"pixel offset overflowing", 10, 4, 0xFFFFFFFFu},
        {"old 12-byte info header", 14, 4, 12},
        {"info header past the end", 14, 4, 0xFFFFFFF0u},
        {"zero width", 18, 4, 0},
        {"negative width", 18, 4, static_cast<std::uint32_t>(-3)},
        {"zero height", 22, 4, 0},
        {"height beyond the data", 22, 4, 0x7FFFFFFF},
        {"most negative height", 22, 4, 0x80000000u},
        {"two planes", 26, 2, 2},
        {"8 bits per pixel", 28, 2, 8},
        {"32 bits per pixel", 28, 2, 32},
        {"run-length compression", 30, 4, 1},
    };
    for (const auto& fault : faults) {
        Bytes bytes = good;
        PatchField(bytes, fault.At, fault.Size, fault.Value);
        EXPECT_THROW(DecodeBmp(bytes), std::runtime_error) << fault.Fault;
    }
}

}  // namespace
}  // namespace vork::assets
