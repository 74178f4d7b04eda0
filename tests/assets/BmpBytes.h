#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vork::assets::testing {

// Little-endian header fields, read and patched independently of the codec under test.
inline std::uint32_t FieldAt(std::span<const unsigned char> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

inline void PatchField(std::vector<unsigned char>& bytes, std::size_t at, int size, std::uint32_t value) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

}  // namespace vork::assets::testing
