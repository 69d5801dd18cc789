#include "io.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace numora::cli {
namespace {

// One read or write; negative on an error. Interrupted calls are retried.
template <typename Transfer>
long retried(Transfer transfer) {
    for (;;) {
        const long done = transfer();
        if (done >= 0 || errno != EINTR) return done;
    }
}

#ifdef _WIN32
unsigned chunk(std::size_t size) {
    return static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX));
}
long write_some(int fd, const char* data, std::size_t size) {
    return retried([&] { return long{_write(fd, data, chunk(size))}; });
}
#else
long write_some(int fd, const char* data, std::size_t size) {
    return retried([&] { return static_cast<long>(::write(fd, data, size)); });
}
#endif

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

long read_some(int fd, char* data, std::size_t size) {
#ifdef _WIN32
    return retried([&] { return long{_read(fd, data, chunk(size))}; });
#else
    return retried([&] { return static_cast<long>(::read(fd, data, size)); });
#endif
}

bool write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const long wrote = write_some(fd, text.data(), text.size());
        if (wrote <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

Output::Output(int fd) : fd_(fd) {
    buffer_.reserve(kFlushAt + 4096);
}

void Output::end_line() {
    buffer_ += '\n';
    if (buffer_.size() >= kFlushAt) (void)flush();  // failed() tells the caller
}

bool Output::flush() {
    if (!failed_ && !buffer_.empty()) failed_ = !write_all(fd_, buffer_);
    buffer_.clear();
    return !failed_;
}

Input::Input(int fd) : source_(fd), buffer_(kKeep + kBlock) {}

std::string_view Input::view(std::size_t from, std::size_t to) const {
    return {buffer_.data() + from, to - from};
}

// Lines mostly end in LF: memchr finds it, and a CR is looked for before it only.
std::size_t Input::line_end(std::size_t from) const {
    const char* first = buffer_.data() + from;
    const std::size_t size = end_ - from;
    const void* lf = std::memchr(first, '\n', size);
    const std::size_t before_lf = lf == nullptr ? size : static_cast<const char*>(lf) - first;
    const void* cr = std::memchr(first, '\r', before_lf);
    return from + (cr == nullptr ? before_lf : static_cast<const char*>(cr) - first);
}

void Input::take(Line& line, std::size_t from, std::size_t end) {
    line.text = view(from, end);
    after_cr_ = end < end_ && buffer_[end] == '\r';
    begin_ = std::min(end + 1, end_);
}

bool Input::next(Line& line, Output& pending) {
    line = {};
    std::size_t scan = begin_;
    for (;;) {
        if (after_cr_ && begin_ < end_) {
            if (buffer_[begin_] == '\n') ++begin_;
            after_cr_ = false;
            scan = begin_;
        }
        if (!after_cr_) {
            const std::size_t end = line_end(scan);
            if (end < end_) {
                take(line, begin_, end);
                return true;
            }
            if (end_ - begin_ >= kKeep) return skip_overlong(line, pending);
            scan = end_;
        }
        if (eof_) {
            after_cr_ = false;
            if (begin_ == end_) return false;
            take(line, begin_, end_);  // the last line may lack its end
            return true;
        }
        const std::size_t scanned = scan - begin_;
        compact();
        scan = begin_ + scanned;
        (void)read_more(pending);  // at the end, or on an error, eof_ says so
    }
}

// Keeps the line's first kKeep bytes and reads past the rest, noting only
// whether it was all digits.
bool Input::skip_overlong(Line& line, Output& pending) {
    compact();
    line.overlong = true;
    for (std::size_t scan = kKeep;;) {
        const std::size_t end = line_end(scan);
        line.rest_is_digits = line.rest_is_digits &&
                              std::all_of(buffer_.data() + scan, buffer_.data() + end, is_digit);
        if (end < end_ || eof_) {
            take(line, 0, end);
            line.text = view(0, kKeep);
            return true;
        }
        end_ = kKeep;
        scan = kKeep;
        (void)read_more(pending);
    }
}

void Input::compact() {
    if (begin_ == 0) return;
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
}

// The read may wait for more input: the answers so far must not wait with it.
bool Input::read_more(Output& pending) {
    (void)pending.flush();  // failed() tells the caller
    const long got = source_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (got > 0) {
        end_ += static_cast<std::size_t>(got);
        return true;
    }
    eof_ = true;
    failed_ = got < 0;
    return false;
}

}  // namespace numora::cli
