// Standard input and output for a filter: lines in, lines out, with bounded
// memory, answers that never wait behind a read, and every error seen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "source.hpp"

namespace numora::cli {

// Writes all of `text` to a file descriptor; false when it could not.
bool write_all(int fd, std::string_view text);
// One read from a file descriptor: the bytes read, 0 at its end, negative on an error.
long read_some(int fd, char* data, std::size_t size);

// Lines out, gathered into large blocks: bulk runs are bound by output.
class Output {
public:
    explicit Output(int fd);

    // Append a line's text here, then call end_line().
    std::string& pending() { return buffer_; }
    void end_line();
    // Writes what is pending; false once anything could not be written.
    bool flush();
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kFlushAt = std::size_t{256} * 1024;
    int fd_;
    std::string buffer_;
    bool failed_ = false;
};

struct Line {
    std::string_view text;  // without its end: LF, CR LF or a lone CR
    // A line too long to keep: `text` is its first part only.
    bool overlong = false;
    bool rest_is_digits = true;  // what was not kept held ASCII digits only
};

// Lines of input, read in large blocks from a Source, as UTF-8. Memory stays
// bounded: of a line longer than kKeep bytes only the first kKeep are kept.
class Input {
public:
    static constexpr std::size_t kKeep = std::size_t{1} << 20;

    explicit Input(int fd);

    // The next line, valid until the next call; false at the end of input or
    // on a read error. `pending` is flushed before any read that may wait.
    bool next(Line& line, Output& pending);
    bool failed() const { return failed_; }

private:
    static constexpr std::size_t kBlock = std::size_t{64} * 1024;

    std::string_view view(std::size_t from, std::size_t to) const;
    std::size_t line_end(std::size_t from) const;
    void take(Line& line, std::size_t from, std::size_t end);
    bool skip_overlong(Line& line, Output& pending);
    void compact();
    bool read_more(Output& pending);

    Source source_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // unread lines are buffer_[begin_, end_)
    std::size_t end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    bool after_cr_ = false;  // a LF next ends no line: it completes a CR LF
};

}  // namespace numora::cli
