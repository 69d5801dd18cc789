// Where numora-cli's input comes from, always handed on as UTF-8: a file or
// a pipe of UTF-8 (a byte-order mark at its start skipped), one of UTF-16
// (told by its byte-order mark, either byte order), or a Windows console,
// read as UTF-16 whatever its code page.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "utf16.hpp"

namespace numora::cli {

class Source {
public:
    explicit Source(int fd);

    // Up to `size` (at least 16: a character and what a split one left)
    // bytes of UTF-8 into `out`: the number
    // written, each decoded byte once; 0 at the end of input, -1 on an error.
    // Waits only when nothing at all is there to hand on.
    long read(char* out, std::size_t size);

private:
    long start();
    long read_raw(char* data, std::size_t size);
    long take_held(char* out, std::size_t size);
    long read_utf16(char* out, std::size_t size);

    int fd_;
    [[maybe_unused]] bool console_ = false;  // a Windows console: read as UTF-16
    bool started_ = false;
    bool ended_ = false;                 // the end of input, or an error, was met
    std::optional<Utf16Decoder> utf16_;  // set by a UTF-16 byte-order mark, or a console
    std::vector<char> raw_;              // bytes as read: the start, or UTF-16 before decoding
    std::size_t held_ = 0;               // raw_[held_from_, held_) read at the start, not yet given
    std::size_t held_from_ = 0;
};

}  // namespace numora::cli
