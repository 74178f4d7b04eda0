#pragma once

#include <string>
#include <string_view>

namespace vork::platform {

// The code points of UTF-8 text. A byte that does not begin a well-formed
// sequence reads as U+FFFD and decoding goes on with the next byte,
// as HarfBuzz reads it.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace vork::platform
