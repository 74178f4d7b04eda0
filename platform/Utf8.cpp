#include "platform/Utf8.h"

namespace vork::platform {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// The length of the sequence `lead` begins, or 0 if it begins none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        if (length == 1) {
            decoded.push_back(lead);
            ++i;
            continue;
        }
        char32_t value = length == 0 ? 0 : lead & (0x7F >> length);
        bool wellFormed = length != 0 && i + length <= text.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        const char32_t least = length == 3 ? 0x800 : 0x10000;
        wellFormed = wellFormed && (length == 2 || (value >= least && value <= 0x10FFFF)) &&
                     !(value >= 0xD800 && value <= 0xDFFF);
        decoded.push_back(wellFormed ? value : Replacement);
        i += wellFormed ? length : 1;
    }
    return decoded;
}

}  // namespace vork::platform
