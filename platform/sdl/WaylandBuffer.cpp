#include "platform/sdl/WaylandBuffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstddef>

namespace vork::platform {

std::unique_ptr<WaylandBuffer> WaylandBuffer::Create(wl_shm* shm, int width, int height) {
    const int stride = width * 4;
    const auto size = static_cast<std::size_t>(stride) * height;
    const int fd = memfd_create("vork-picture", MFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    void* memory = MAP_FAILED;
    if (ftruncate(fd, static_cast<off_t>(size)) == 0) {
        memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    }
    if (memory == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    // The compositor gets its own copy of the descriptor with the pool, and
    // the buffer keeps the pool's memory once the pool is gone.
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size));
    wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return std::unique_ptr<WaylandBuffer>(
        new WaylandBuffer(buffer, static_cast<std::uint32_t*>(memory), width, height));
}

WaylandBuffer::WaylandBuffer(wl_buffer* buffer, std::uint32_t* pixels, int width, int height)
    : buffer_(buffer), pixels_(pixels), width_(width), height_(height) {
    static const wl_buffer_listener listener{Released};
    wl_buffer_add_listener(buffer_, &listener, this);
}

WaylandBuffer::~WaylandBuffer() {
    wl_buffer_destroy(buffer_);
    munmap(pixels_, static_cast<std::size_t>(width_) * height_ * 4);
}

void WaylandBuffer::Released(void* self, wl_buffer*) { static_cast<WaylandBuffer*>(self)->held_ = false; }

}  // namespace vork::platform
