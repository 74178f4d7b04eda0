#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Damage.h"
#include "platform/PixelRect.h"

namespace vork::platform {

// One 24-bit pixel, laid out as the screen texture expects it (R, G, B).
struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(Rgb, Rgb) = default;
};
static_assert(sizeof(Rgb) == 3, "pixel rows are uploaded to the screen as packed RGB24");

// A plain RGB picture that keeps track of what its writes changed, so that a
// presenter can send the screen only that.
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

    // Direct row access for blitters; callers that write through it must say
    // where with Touch.
    Rgb* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Rgb* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    void Touch(const PixelRect& area);
    void Touch() { Touch({0, 0, width_, height_}); }

    // The areas that may differ from the picture as it was when the changes
    // were last forgotten.
    const Damage& Changes() const { return changes_; }
    void ForgetChanges() { changes_.Clear(); }

    const std::vector<Rgb>& Pixels() const { return pixels_; }

    friend bool operator==(const Image& a, const Image& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    void FillRect(const PixelRect& rect, Rgb colour);

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
    Damage changes_;
    // Every frame starts from a fill of one colour, so what a fill changes is
    // only what was drawn over the previous fill of that colour.
    std::optional<Rgb> filledWith_;
    Damage drawnSinceFill_;
};

}  // namespace vork::platform
