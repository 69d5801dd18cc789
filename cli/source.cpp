#include "source.hpp"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "io.hpp"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "console.hpp"
#endif

namespace numora::cli {
namespace {

constexpr std::size_t kBlock = std::size_t{64} * 1024;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Little = "\xFF\xFE";
constexpr std::string_view kUtf16Big = "\xFE\xFF";

// Whether the bytes so far may still turn out to be a byte-order mark.
bool may_be_mark(std::string_view start) {
    return start.size() < kUtf8Mark.size() &&
           (kUtf8Mark.starts_with(start) || kUtf16Little.starts_with(start) ||
            kUtf16Big.starts_with(start));
}

// The most UTF-16 bytes whose UTF-8 fits `room`.
std::size_t utf16_for(std::size_t room) {
    return (room - 8) / 3 * 2;
}

#ifdef _WIN32
HANDLE handle_of(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}
#endif

}  // namespace

Source::Source(int fd) : fd_(fd), raw_(kBlock) {
#ifdef _WIN32
    // What is typed at a console comes as UTF-16, whatever its code page.
    console_ = win::is_console(handle_of(fd));
    if (console_) {
        utf16_.emplace(false);
        started_ = true;
    }
#endif
}

long Source::read_raw(char* data, std::size_t size) {
#ifdef _WIN32
    if (console_) return win::read_console_utf16(handle_of(fd_), data, size);
#endif
    return read_some(fd_, data, size);
}

// Reads until the first bytes tell whether a byte-order mark is there, and
// takes it off; what follows it stays held for the next reads.
long Source::start() {
    started_ = true;
    while (!ended_ && may_be_mark({raw_.data(), held_})) {
        const long got = read_raw(raw_.data() + held_, raw_.size() - held_);
        if (got < 0) return got;
        ended_ = got == 0;
        held_ += static_cast<std::size_t>(got);
    }
    const std::string_view start(raw_.data(), held_);
    if (start.starts_with(kUtf8Mark)) {
        held_from_ = kUtf8Mark.size();
    } else if (start.starts_with(kUtf16Little) || start.starts_with(kUtf16Big)) {
        utf16_.emplace(start.starts_with(kUtf16Big));
        held_from_ = kUtf16Little.size();
    }
    return 0;
}

long Source::read(char* out, std::size_t size) {
    if (!started_ && start() < 0) return -1;
    if (held_from_ < held_) {
        // Half a character decodes to nothing yet: its other half is read next.
        if (const long n = take_held(out, size); n > 0) return n;
    }
    // A character left unfinished at the end is written as U+FFFD, once.
    if (ended_) return utf16_ ? static_cast<long>(utf16_->finish(out)) : 0;
    if (utf16_) return read_utf16(out, size);
    const long got = read_raw(out, size);
    ended_ = got <= 0;
    return got;
}

// What the start read beyond the mark, as much as fits.
long Source::take_held(char* out, std::size_t size) {
    const char* from = raw_.data() + held_from_;
    const std::size_t n = std::min(utf16_ ? utf16_for(size) : size, held_ - held_from_);
    held_from_ += n;
    if (utf16_) return static_cast<long>(utf16_->decode({from, n}, out));
    std::memcpy(out, from, n);
    return static_cast<long>(n);
}

long Source::read_utf16(char* out, std::size_t size) {
    for (;;) {
        const long got = read_raw(raw_.data(), std::min(raw_.size(), utf16_for(size)));
        if (got <= 0) {
            ended_ = true;
            return got < 0 ? got : static_cast<long>(utf16_->finish(out));
        }
        const std::size_t written =
            utf16_->decode({raw_.data(), static_cast<std::size_t>(got)}, out);
        if (written > 0) return static_cast<long>(written);
    }
}

}  // namespace numora::cli
