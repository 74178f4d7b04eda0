#include "platform/sdl/WaylandBareWindow.h"

#include <SDL.h>
#include <SDL_vulkan.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>

// SDL 2.26 makes every Wayland window an EGL window, loading the GL driver
// (Mesa's llvmpipe: a hundred megabytes), unless it is made for Vulkan; the
// game draws into the window's surface itself and needs neither. A Vulkan
// window only asks the Vulkan loader whether it offers surfaces for Wayland,
// so the game answers that in the loader's place: SDL opens the library
// named VORK_SELF_NAME, the executable's own soname, which is the game
// itself, and finds the loader's entry point there under the underscored
// name its loader also tries, so that no real loader's symbol is shadowed.
// No Vulkan instance is ever made.
namespace {

struct ExtensionProperties {  // VkExtensionProperties
    char Name[256];
    std::uint32_t Version;
};

constexpr const char* SurfaceExtensions[] = {"VK_KHR_surface", "VK_KHR_wayland_surface"};
constexpr int Success = 0;
constexpr int Incomplete = 5;

int EnumerateInstanceExtensions(const char*, std::uint32_t* count, ExtensionProperties* properties) {
    constexpr std::uint32_t all = std::size(SurfaceExtensions);
    if (properties == nullptr) {
        *count = all;
        return Success;
    }
    const std::uint32_t given = std::min(*count, all);
    for (std::uint32_t i = 0; i < given; ++i) {
        properties[i] = {};
        std::strcpy(properties[i].Name, SurfaceExtensions[i]);
        properties[i].Version = 1;
    }
    *count = given;
    return given < all ? Incomplete : Success;
}

}  // namespace

extern "C" __attribute__((visibility("default"), used)) void* VorkInstanceProcAddr(void*, const char* name) __asm__(
    "_vkGetInstanceProcAddr");
extern "C" void* VorkInstanceProcAddr(void*, const char* name) {
    return std::string_view(name) == "vkEnumerateInstanceExtensionProperties"
               ? reinterpret_cast<void*>(&EnumerateInstanceExtensions)
               : nullptr;
}

namespace vork::platform {

SDL_Window* CreateBareWaylandWindow(const char* title, int width, int height, std::uint32_t flags) {
    if (std::string_view(SDL_GetCurrentVideoDriver()) != "wayland" || SDL_Vulkan_LoadLibrary(VORK_SELF_NAME) != 0) {
        return nullptr;
    }
    SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height,
                                          flags | SDL_WINDOW_VULKAN);
    // The window holds the library while it lives.
    SDL_Vulkan_UnloadLibrary();
    return window;
}

}  // namespace vork::platform
