#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vork::assets {

// A file's bytes as the Windows formats the asset tools write (BMP, ICO)
// lay them out: little-endian fields.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t capacity = 0) { bytes_.reserve(capacity); }

    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U16(std::uint16_t value) {
        U8(static_cast<std::uint8_t>(value));
        U8(static_cast<std::uint8_t>(value >> 8));
    }
    void U32(std::uint32_t value) {
        U16(static_cast<std::uint16_t>(value));
        U16(static_cast<std::uint16_t>(value >> 16));
    }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Append(std::span<const unsigned char> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

    std::vector<unsigned char> Take() { return std::move(bytes_); }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace vork::assets
