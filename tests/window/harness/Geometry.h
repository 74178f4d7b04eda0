#pragma once

#include <ostream>

namespace vork::testing {

struct Point {
    int X = 0;
    int Y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Point& p) { return out << '(' << p.X << ", " << p.Y << ')'; }
};

// Right and Bottom are exclusive.
struct Box {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(Point p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    Point TopLeft() const { return {Left, Top}; }

    friend bool operator==(const Box&, const Box&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Box& b) {
        return out << '[' << b.Left << ".." << b.Right << ") x [" << b.Top << ".." << b.Bottom << ')';
    }
};

}  // namespace vork::testing
