#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "platform/Image.h"
#include "tests/window/harness/Geometry.h"

// Finding the game's pieces in a screenshot by their colours.
namespace vork::testing {

struct PictureDifference {
    int Count = 0;  // pixels that differ, or -1 if the sizes do
    Point First;
    platform::Rgb Expected;
    platform::Rgb Actual;

    friend std::ostream& operator<<(std::ostream& out, const PictureDifference& d);
};
// nullopt when the pictures are equal.
std::optional<PictureDifference> ComparePictures(const platform::Image& expected, const platform::Image& actual);

// The extents of each puck on the table, ordered left to right.
std::vector<Box> FindPucks(const platform::Image& picture);
// The box of the mallets' blue within rows top to bottom (exclusive). A
// mallet's ring shows its outermost rows and columns whatever lies below it.
std::optional<Box> FindMallet(const platform::Image& picture, int top, int bottom);
// The player's mallet: the blue below the centre line, where the CPU's never goes.
std::optional<Box> FindPlayerMallet(const platform::Image& picture);
int CountPixels(const platform::Image& picture, platform::Rgb colour, const std::vector<Point>& where);
// A picture shown `factor` times as large, back at its own size: nullopt
// unless every factor x factor block is one colour, as whole-number,
// nearest-neighbour scaling makes it.
std::optional<platform::Image> Shrunk(const platform::Image& shot, int factor);

}  // namespace vork::testing
