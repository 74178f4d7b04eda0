#pragma once

#include <cstdint>
#include <vector>

namespace vork::platform {

// One 24-bit pixel, laid out as the screen texture expects it (R, G, B).
struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(Rgb, Rgb) = default;
};
static_assert(sizeof(Rgb) == 3, "pixel rows are uploaded to the screen as packed RGB24");

// A plain RGB picture. Version changes on every write, so a presenter can skip
// uploading a picture that has not changed since it last showed it.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour);
    void Fill(Rgb colour);

    // Direct row access for blitters; callers that write through it must call Touch().
    Rgb* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Rgb* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    void Touch() { ++version_; }

    std::uint64_t Version() const { return version_; }
    const std::vector<Rgb>& Pixels() const { return pixels_; }

    friend bool operator==(const Image& a, const Image& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
    std::uint64_t version_ = 0;
};

}  // namespace vork::platform
