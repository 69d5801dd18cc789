#include "utf16.hpp"

namespace numora::cli {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_high(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::size_t put_utf8(char32_t c, char* out) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (c < 0x80) {
        out[0] = byte(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = byte(0xC0 | (c >> 6));
        out[1] = byte(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = byte(0xE0 | (c >> 12));
        out[1] = byte(0x80 | ((c >> 6) & 0x3F));
        out[2] = byte(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = byte(0xF0 | (c >> 18));
    out[1] = byte(0x80 | ((c >> 12) & 0x3F));
    out[2] = byte(0x80 | ((c >> 6) & 0x3F));
    out[3] = byte(0x80 | (c & 0x3F));
    return 4;
}

}  // namespace

std::size_t Utf16Decoder::put_unit(char16_t unit, char* out) {
    std::size_t n = 0;
    if (high_ != 0) {
        const char16_t high = high_;
        high_ = 0;
        if (is_low(unit)) {
            const char32_t bits = (char32_t{high} - 0xD800u) << 10u | (char32_t{unit} - 0xDC00u);
            const char32_t c = 0x10000u + bits;
            return put_utf8(c, out);
        }
        n = put_utf8(kReplacement, out);
    }
    if (is_high(unit)) {
        high_ = unit;
        return n;
    }
    return n + put_utf8(is_low(unit) ? kReplacement : char32_t{unit}, out + n);
}

std::size_t Utf16Decoder::decode(std::string_view block, char* out) {
    std::size_t n = 0;
    for (const char c : block) {
        const int byte = static_cast<unsigned char>(c);
        if (odd_byte_ < 0) {
            odd_byte_ = byte;
            continue;
        }
        const int first = big_endian_ ? odd_byte_ : byte;
        const int second = big_endian_ ? byte : odd_byte_;
        odd_byte_ = -1;
        n += put_unit(static_cast<char16_t>(first << 8 | second), out + n);
    }
    return n;
}

std::size_t Utf16Decoder::finish(char* out) {
    const bool left = odd_byte_ >= 0 || high_ != 0;
    odd_byte_ = -1;
    high_ = 0;
    return left ? put_utf8(kReplacement, out) : 0;
}

}  // namespace numora::cli
