#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace vork::assets::testing {

// Little-endian header fields, read and patched independently of the codec
// under test. A field past the end throws: a truncated file fails its test.
inline std::uint32_t FieldAt(std::span<const unsigned char> bytes, std::size_t at, int size) {
    if (at + static_cast<std::size_t>(size) > bytes.size()) {
        throw std::out_of_range("a field past the end of the bytes");
    }
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
