#include "platform/sdl/WaylandPresenter.h"

#include <SDL.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include "platform/sdl/PixelBlocks.h"

namespace vork::platform {
namespace {

// Two are enough when the compositor lets go of a buffer once the next one
// comes; a third, made only where it does not, spares waiting for it.
constexpr std::size_t EnoughBuffers = 2;
constexpr std::size_t MaxBuffers = 3;
// The padding byte opaque, as GL drivers leave it: weston's screenshots,
// for one, take it for alpha.
constexpr PixelLayout Xrgb8888{16, 8, 0, 0xFF000000};
constexpr std::uint32_t Black = Xrgb8888.Set;

// What the compositor offers: its shared memory, and whether in our format.
struct Offer {
    wl_shm* Shm = nullptr;
    bool Xrgb8888 = false;
};

void NoteFormat(void* offer, wl_shm*, std::uint32_t format) {
    if (offer != nullptr) {
        static_cast<Offer*>(offer)->Xrgb8888 |= format == WL_SHM_FORMAT_XRGB8888;
    }
}

void NoteShm(void* offer, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
    if (std::strcmp(interface, wl_shm_interface.name) == 0) {
        auto& found = *static_cast<Offer*>(offer);
        found.Shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        static const wl_shm_listener listener{NoteFormat};
        wl_shm_add_listener(found.Shm, &listener, offer);
    }
}

void IgnoreRemoval(void*, wl_registry*, std::uint32_t) {}

PixelRect Clipped(const PixelRect& rect, const PixelRect& to) {
    return {std::max(rect.Left, to.Left), std::max(rect.Top, to.Top), std::min(rect.Right, to.Right),
            std::min(rect.Bottom, to.Bottom)};
}

}  // namespace

std::unique_ptr<WaylandPresenter> WaylandPresenter::Create(SDL_Window* window, wl_display* display,
                                                           wl_surface* surface) {
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* onQueue = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(onQueue), queue);
    wl_registry* registry = wl_display_get_registry(onQueue);
    wl_proxy_wrapper_destroy(onQueue);
    Offer offer;
    static const wl_registry_listener listener{NoteShm, IgnoreRemoval};
    wl_registry_add_listener(registry, &listener, &offer);
    // The globals, then the formats of the shared memory bound meanwhile.
    wl_display_roundtrip_queue(display, queue);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    if (offer.Shm != nullptr) {
        wl_shm_set_user_data(offer.Shm, nullptr);  // the offer goes with this call
    }
    // Every compositor must take XRGB8888; one that does not gets GL.
    if (!offer.Xrgb8888) {
        if (offer.Shm != nullptr) {
            wl_shm_destroy(offer.Shm);
        }
        wl_event_queue_destroy(queue);
        return nullptr;
    }
    return std::unique_ptr<WaylandPresenter>(new WaylandPresenter(window, display, surface, queue, offer.Shm));
}

WaylandPresenter::WaylandPresenter(SDL_Window* window, wl_display* display, wl_surface* surface,
                                   wl_event_queue* queue, wl_shm* shm)
    : window_(window), display_(display), surface_(surface), queue_(queue), shm_(shm) {}

WaylandPresenter::~WaylandPresenter() {
    buffers_.clear();
    wl_shm_destroy(shm_);
    wl_event_queue_destroy(queue_);
}

void WaylandPresenter::Present(const Image& picture, bool everything) {
    // Before the window is shown the compositor has not configured it and
    // takes no buffer; showing it repaints everything.
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) == 0) {
        return;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window_, &width, &height);
    if (buffers_.empty() || buffers_.front()->Width() != width || buffers_.front()->Height() != height) {
        Fit(picture, width, height);
    }
    if (width < picture.Width() || height < picture.Height()) {
        return;
    }
    const PixelRect whole{0, 0, picture.Width(), picture.Height()};
    unsentAll_ = unsentAll_ || everything;
    unsent_.Add(picture.Changes());
    for (const auto& buffer : buffers_) {
        if (everything) {
            buffer->Stale.Add(whole);
        } else {
            buffer->Stale.Add(picture.Changes());
        }
    }
    WaylandBuffer* buffer = FreeBuffer(width, height);
    if (buffer == nullptr) {
        return;  // kept for the next present
    }
    Write(*buffer, picture);
    wl_surface_attach(surface_, buffer->Get(), 0, 0);
    if (unsentAll_) {
        wl_surface_damage_buffer(surface_, 0, 0, width, height);
    } else {
        for (const PixelRect& rect : unsent_) {
            DamageRect(Clipped(rect, whole));
        }
    }
    wl_surface_commit(surface_);
    buffer->HandOver();
    unsentAll_ = false;
    unsent_.Clear();
    // Sent now: a rally's sleep does not flush.
    wl_display_flush(display_);
}

void WaylandPresenter::Fit(const Image& picture, int width, int height) {
    buffers_.clear();
    scale_ = std::max(1, std::min(width / picture.Width(), height / picture.Height()));
    left_ = (width - picture.Width() * scale_) / 2;
    top_ = (height - picture.Height() * scale_) / 2;
    unsentAll_ = true;
}

WaylandBuffer* WaylandPresenter::FreeBuffer(int width, int height) {
    const auto free = [this]() -> WaylandBuffer* {
        const auto found = std::find_if(buffers_.begin(), buffers_.end(), [](const auto& b) { return !b->Held(); });
        return found == buffers_.end() ? nullptr : found->get();
    };
    const auto made = [&]() -> WaylandBuffer* {
        auto buffer = WaylandBuffer::Create(shm_, width, height);
        if (!buffer) {
            return nullptr;
        }
        buffers_.push_back(std::move(buffer));
        return buffers_.back().get();
    };
    // Releases read off the connection by SDL's pump wait in the queue.
    wl_display_dispatch_queue_pending(display_, queue_);
    WaylandBuffer* buffer = free();
    if (buffer == nullptr && buffers_.size() < EnoughBuffers) {
        buffer = made();
    }
    // The compositor lets go of the last buffer but one as soon as it has
    // the last: a round trip brings that news.
    if (buffer == nullptr && wl_display_roundtrip_queue(display_, queue_) >= 0) {
        buffer = free();
    }
    if (buffer == nullptr && buffers_.size() < MaxBuffers) {
        buffer = made();
    }
    return buffer;
}

void WaylandPresenter::Write(WaylandBuffer& buffer, const Image& picture) const {
    const PixelRect whole{0, 0, picture.Width(), picture.Height()};
    if (buffer.Blank) {
        std::fill_n(buffer.Pixels(), static_cast<std::size_t>(buffer.Width()) * buffer.Height(), Black);
        buffer.Stale.Clear();
        buffer.Stale.Add(whole);
        buffer.Blank = false;
    }
    const std::ptrdiff_t stride = buffer.Width();
    for (const PixelRect& stale : buffer.Stale) {
        const PixelRect rect = Clipped(stale, whole);
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            std::uint32_t* line = buffer.Pixels() + (top_ + static_cast<std::ptrdiff_t>(y) * scale_) * stride + left_;
            WriteBlocks(picture.Row(y), rect.Left, rect.Right, line, stride, scale_, Xrgb8888);
        }
    }
    buffer.Stale.Clear();
}

void WaylandPresenter::DamageRect(const PixelRect& rect) const {
    if (rect.Empty()) {
        return;
    }
    wl_surface_damage_buffer(surface_, left_ + rect.Left * scale_, top_ + rect.Top * scale_, rect.Width() * scale_,
                             rect.Height() * scale_);
}

}  // namespace vork::platform
