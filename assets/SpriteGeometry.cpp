#include "assets/SpriteGeometry.h"

#include "assets/SheetLayout.h"

#include <array>
#include <span>

namespace vork::assets {

namespace {

struct ColumnSpan {
    int First;
    int Last;
};

constexpr int HalfCell = SpriteSize / 2;

// Both round shapes are symmetric top to bottom, so only rows 0-11 are tabled.
constexpr std::array<ColumnSpan, HalfCell> DiscTopHalf{{
    {8, 15}, {6, 17}, {5, 18}, {4, 19}, {3, 20}, {2, 21},
    {1, 22}, {1, 22}, {0, 23}, {0, 23}, {0, 23}, {0, 23},
}};

constexpr int HoleFirstRow = 8;
constexpr std::array<ColumnSpan, HalfCell - HoleFirstRow> HoleTopHalf{{
    {10, 13}, {9, 14}, {8, 15}, {8, 15},
}};

bool InCell(int x, int y) { return x >= 0 && y >= 0 && x < SpriteSize && y < SpriteSize; }

bool InMirroredShape(std::span<const ColumnSpan> topHalf, int firstRow, int x, int y) {
    if (!InCell(x, y)) {
        return false;
    }
    const int row = (y < HalfCell ? y : SpriteSize - 1 - y) - firstRow;
    if (row < 0 || row >= static_cast<int>(topHalf.size())) {
        return false;
    }
    return x >= topHalf[row].First && x <= topHalf[row].Last;
}

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

}  // namespace

bool InDisc(int x, int y) { return InMirroredShape(DiscTopHalf, 0, x, y); }

bool OnDiscRim(int x, int y) {
    return InDisc(x, y) && !(InDisc(x - 1, y) && InDisc(x + 1, y) && InDisc(x, y - 1) && InDisc(x, y + 1));
}

bool InMalletHole(int x, int y) { return InMirroredShape(HoleTopHalf, HoleFirstRow, x, y); }

bool InPuckMark(int x, int y) {
    const bool onBar = (InRange(x, 6, 7) || InRange(x, 16, 17)) && InRange(y, 2, 21);
    const bool onCrossbar = InRange(x, 6, 17) && InRange(y, 11, 12);
    return onBar || onCrossbar;
}

}  // namespace vork::assets
