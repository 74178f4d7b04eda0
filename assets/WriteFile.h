#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace vork::assets {

// Writes `size` bytes to `path`, making its folder first; throws if it cannot.
inline void WriteFile(const std::filesystem::path& path, const void* bytes, std::size_t size) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace vork::assets
