#pragma once

#include <cstdint>
#include <memory>

#include "platform/Damage.h"

struct wl_shm;
struct wl_buffer;

namespace vork::platform {

// One window-sized XRGB8888 buffer in memory shared with the compositor,
// which reads the window's content from it; the game writes it only while the
// compositor does not hold it.
class WaylandBuffer {
public:
    // nullptr if the memory cannot be had.
    static std::unique_ptr<WaylandBuffer> Create(wl_shm* shm, int width, int height);
    ~WaylandBuffer();
    WaylandBuffer(const WaylandBuffer&) = delete;
    WaylandBuffer& operator=(const WaylandBuffer&) = delete;

    wl_buffer* Get() const { return buffer_; }
    std::uint32_t* Pixels() const { return pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Attached and committed: the compositor holds it until it says otherwise.
    bool Held() const { return held_; }
    void HandOver() { held_ = true; }

    // Where it lags behind the picture, in the picture's pixels; a new
    // buffer holds nothing at all, not even the black around the picture.
    Damage Stale;
    bool Blank = true;

private:
    WaylandBuffer(wl_buffer* buffer, std::uint32_t* pixels, int width, int height);
    static void Released(void* self, wl_buffer* buffer);

    wl_buffer* buffer_;
    std::uint32_t* pixels_;
    int width_;
    int height_;
    bool held_ = false;
};

}  // namespace vork::platform
