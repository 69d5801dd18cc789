// UTF-16 text, as Windows programs save it, read as UTF-8 a block at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace numora::cli {

class Utf16Decoder {
public:
    explicit Utf16Decoder(bool big_endian) : big_endian_(big_endian) {}

    // The most UTF-8 bytes that decode() writes for `bytes` bytes of input.
    static constexpr std::size_t room_for(std::size_t bytes) { return bytes / 2 * 3 + 8; }

    // Decodes a block into `out`, returning the bytes written. A unit or a
    // surrogate pair split between blocks is completed by the next one; a
    // surrogate without its partner becomes U+FFFD.
    std::size_t decode(std::string_view block, char* out);
    // At the end of input: what is left of a split unit or pair, as U+FFFD.
    std::size_t finish(char* out);

private:
    std::size_t put_unit(char16_t unit, char* out);

    bool big_endian_;
    int odd_byte_ = -1;  // the first byte of a unit split between blocks
    char16_t high_ = 0;  // a high surrogate waiting for its low one
};

}  // namespace numora::cli
