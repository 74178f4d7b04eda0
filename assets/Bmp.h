#pragma once

#include "platform/Image.h"

#include <span>
#include <vector>

namespace vork::assets {

// Reads an uncompressed 24-bit BMP, stored bottom-up or top-down. Throws
// std::runtime_error for anything else or for a damaged file.
platform::Image DecodeBmp(std::span<const unsigned char> bytes);

// Writes a bottom-up, uncompressed 24-bit BMP at 3780 pixels per metre (96 dpi).
std::vector<unsigned char> EncodeBmp(const platform::Image& image);

}  // namespace vork::assets
