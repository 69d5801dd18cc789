// numora-cli: amounts in Lithuanian words for scripts and bulk work.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "locale_separators.hpp"
#include "options.hpp"
#include "request.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "win_text.hpp"
#endif

namespace {

using numora::cli::Options;

bool write(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// Results go out in large blocks: bulk runs are bound by output, not words.
class Output {
public:
    Output() { buffer_.reserve(kFlushAt + 1024); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { (void)flush(); }

    void line(std::string_view text) {
        buffer_ += text;
        buffer_ += '\n';
        if (buffer_.size() >= kFlushAt) flush();
    }

    // False once anything could not be written: a full disk is not a success.
    bool flush() {
        ok_ = write(stdout, buffer_) && std::fflush(stdout) == 0 && ok_;
        buffer_.clear();
        return ok_;
    }

private:
    static constexpr std::size_t kFlushAt = std::size_t{64} * 1024;
    std::string buffer_;
    bool ok_ = true;
};

// Lines of standard input, read in large blocks; the last may lack its newline.
class Input {
public:
    Input() : buffer_(kBlock, '\0') {}

    bool line(std::string_view& text) {
        for (;;) {
            const auto newline = std::string_view(buffer_).substr(begin_, end_ - begin_).find('\n');
            if (newline != std::string_view::npos) {
                text = std::string_view(buffer_).substr(begin_, newline);
                begin_ += newline + 1;
                return true;
            }
            if (eof_) {
                if (begin_ == end_) return false;
                text = std::string_view(buffer_).substr(begin_, end_ - begin_);
                begin_ = end_;
                return true;
            }
            refill();
        }
    }

private:
    static constexpr std::size_t kBlock = std::size_t{64} * 1024;

    // Moves the unfinished line to the front and reads after it, growing for long lines.
    void refill() {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        end_ -= begin_;
        begin_ = 0;
        if (buffer_.size() - end_ < kBlock / 2) buffer_.resize(buffer_.size() * 2);
        const auto got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, stdin);
        end_ += got;
        eof_ = got == 0;
    }

    std::string buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
};

class Converter {
public:
    explicit Converter(const Options& options)
        : locale_(numora::cli::locale_separators()), style_(options.style) {
        if (options.decimal) locale_.decimal = *options.decimal;
        separators_ = {locale_.decimal, locale_.grouping};
    }

    // Writes one result line; a refusal is reported on standard error.
    bool convert(std::string_view text, std::size_t number) {
        if (text.ends_with('\r')) text.remove_suffix(1);
        const auto outcome = numora::request(text, separators_, style_);
        out_.line(outcome.accepted ? std::string_view(outcome.text) : std::string_view());
        if (!outcome.accepted) {
            (void)out_.flush();  // the report follows the lines before it
            const std::string report =
                "numora-cli: " + std::to_string(number) + ": " + outcome.text + "\n";
            (void)write(stderr, report);  // nowhere left to report a failure
        }
        return outcome.accepted;
    }

    bool finish() { return out_.flush(); }

private:
    numora::cli::LocaleSeparators locale_;
    numora::Style style_;
    numora::Separators separators_;
    Output out_;
};

int run(const std::vector<std::string>& args) {
    const auto options = numora::cli::parse_options(args);
    if (!options) {
        (void)write(stderr, numora::cli::kUsage);
        return 2;
    }
    if (options->help) {
        return write(stdout, numora::cli::kUsage) ? 0 : 3;
    }
    if (options->version) {
        return write(stdout, "numora-cli " NUMORA_VERSION_TEXT "\n") ? 0 : 3;
    }
    Converter converter(*options);
    bool all_accepted = true;
    std::size_t number = 0;
    if (!options->texts.empty()) {
        for (const auto& text : options->texts) all_accepted &= converter.convert(text, ++number);
    } else {
        Input input;
        std::string_view line;
        while (input.line(line)) all_accepted &= converter.convert(line, ++number);
    }
    if (!converter.finish()) {
        (void)write(stderr, "numora-cli: the output could not be written\n");
        return 3;
    }
    return all_accepted ? 0 : 1;
}

}  // namespace

#ifdef _WIN32

// Arguments arrive as UTF-16 so that Lithuanian text survives any code page.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(numora::win::to_utf8(argv[i]));
    return run(args);
}

#else

int main(int argc, char** argv) {
    return run(std::vector<std::string>(argv + 1, argv + argc));
}

#endif
