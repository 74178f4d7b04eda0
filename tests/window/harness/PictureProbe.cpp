#include "tests/window/harness/PictureProbe.h"

#include <algorithm>

#include "tests/window/harness/GameFacts.h"

namespace vork::testing {
namespace {

bool IsPuckColour(platform::Rgb c) {
    return c == GameFacts::PuckFill || c == GameFacts::PuckRim || c == GameFacts::PuckLetter;
}

Box Grown(const Box& b, int by) { return {b.Left - by, b.Top - by, b.Right + by, b.Bottom + by}; }

bool Overlap(const Box& a, const Box& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

Box Union(const Box& a, const Box& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const PictureDifference& d) {
    if (d.Count < 0) {
        return out << "the pictures differ in size, or their pieces could not be told apart";
    }
    const auto rgb = [&out](platform::Rgb c) -> std::ostream& {
        return out << '(' << int{c.R} << ',' << int{c.G} << ',' << int{c.B} << ')';
    };
    out << d.Count << " pixels differ, the first at " << d.First << ": expected ";
    rgb(d.Expected) << ", shown ";
    return rgb(d.Actual);
}

std::optional<PictureDifference> ComparePictures(const platform::Image& expected, const platform::Image& actual) {
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
        return PictureDifference{-1, {}, {}, {}};
    }
    PictureDifference difference;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (expected.At(x, y) == actual.At(x, y)) {
                continue;
            }
            if (difference.Count++ == 0) {
                difference.First = {x, y};
                difference.Expected = expected.At(x, y);
                difference.Actual = actual.At(x, y);
            }
        }
    }
    if (difference.Count == 0) {
        return std::nullopt;
    }
    return difference;
}

std::vector<Box> FindPucks(const platform::Image& picture) {
    // A puck the centre line or a mallet cuts in two is still one puck: pixels
    // a few apart join the same piece.
    constexpr int Gap = 6;
    std::vector<Box> pieces;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (!IsPuckColour(picture.At(x, y))) {
                continue;
            }
            const Box pixel{x, y, x + 1, y + 1};
            auto near = std::find_if(pieces.begin(), pieces.end(),
                                     [&](const Box& piece) { return Overlap(Grown(piece, Gap), pixel); });
            if (near == pieces.end()) {
                pieces.push_back(pixel);
            } else {
                *near = Union(*near, pixel);
            }
        }
    }
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < pieces.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < pieces.size() && !merged; ++j) {
                if (Overlap(Grown(pieces[i], Gap), pieces[j])) {
                    pieces[i] = Union(pieces[i], pieces[j]);
                    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
    std::sort(pieces.begin(), pieces.end(), [](const Box& a, const Box& b) { return a.Left < b.Left; });
    return pieces;
}

std::optional<Box> FindMallet(const platform::Image& picture, int top, int bottom) {
    std::optional<Box> mallet;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.At(x, y) == GameFacts::Mallet) {
                const Box pixel{x, y, x + 1, y + 1};
                mallet = mallet ? Union(*mallet, pixel) : pixel;
            }
        }
    }
    return mallet;
}

std::optional<Box> FindPlayerMallet(const platform::Image& picture) {
    return FindMallet(picture, GameFacts::PlayerHalfTop, picture.Height());
}

int CountPixels(const platform::Image& picture, platform::Rgb colour, const std::vector<Point>& where) {
    return static_cast<int>(std::count_if(where.begin(), where.end(), [&](Point p) {
        return picture.Contains(p.X, p.Y) && picture.At(p.X, p.Y) == colour;
    }));
}

std::optional<platform::Image> Shrunk(const platform::Image& shot, int factor) {
    platform::Image small(shot.Width() / factor, shot.Height() / factor);
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) {
            const platform::Rgb block = shot.At(x - x % factor, y - y % factor);
            if (shot.At(x, y) != block) {
                return std::nullopt;
            }
        }
    }
    for (int y = 0; y < small.Height(); ++y) {
        for (int x = 0; x < small.Width(); ++x) {
            small.Set(x, y, shot.At(x * factor, y * factor));
        }
    }
    return small;
}

}  // namespace vork::testing
