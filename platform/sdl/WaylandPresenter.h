#pragma once

#include <memory>
#include <vector>

#include "platform/sdl/Presenter.h"
#include "platform/sdl/WaylandBuffer.h"

struct SDL_Window;
struct wl_display;
struct wl_event_queue;
struct wl_shm;
struct wl_surface;

namespace vork::platform {

// Shows the picture in the Wayland window's own surface, from buffers of
// shared memory, as X11Presenter does with X: only the changed rectangles
// written and damaged, no GL. SDL keeps the window, its decorations and its
// input; the buffers have the window's pixel size (twice its size on an
// output of scale 2, at the buffer scale SDL sets), the picture in it at the
// largest whole factor that fits, centred, black around it.
class WaylandPresenter final : public Presenter {
public:
    // nullptr when the compositor offers no shared memory in XRGB8888.
    static std::unique_ptr<WaylandPresenter> Create(SDL_Window* window, wl_display* display, wl_surface* surface);
    ~WaylandPresenter() override;

    void Present(const Image& picture, bool everything) override;

private:
    WaylandPresenter(SDL_Window* window, wl_display* display, wl_surface* surface, wl_event_queue* queue,
                     wl_shm* shm);
    // Fits the picture into buffers of the window's pixel size, made anew.
    void Fit(const Image& picture, int width, int height);
    // A buffer the compositor does not hold, made (of the window's pixel
    // size) if there are few, else waited for; nullptr if none can be had.
    WaylandBuffer* FreeBuffer(int width, int height);
    // Brings `buffer` up to the picture.
    void Write(WaylandBuffer& buffer, const Image& picture) const;
    // Tells the compositor a picture rectangle changed.
    void DamageRect(const PixelRect& rect) const;

    SDL_Window* window_;
    wl_display* display_;
    wl_surface* surface_;
    // Releases of the game's buffers come here, apart from SDL's events.
    wl_event_queue* queue_;
    wl_shm* shm_;
    std::vector<std::unique_ptr<WaylandBuffer>> buffers_;
    int scale_ = 1;
    int left_ = 0;
    int top_ = 0;
    // What the compositor has not yet been told changed: all, or these.
    bool unsentAll_ = true;
    Damage unsent_;
};

}  // namespace vork::platform
