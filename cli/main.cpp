// numora-cli: amounts in Lithuanian words for scripts and bulk work.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "io.hpp"
#include "locale_separators.hpp"
#include "options.hpp"
#include "request.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "console.hpp"
#include "win_text.hpp"
#endif

namespace {

using numora::Refusal;
using numora::cli::Input;
using numora::cli::Line;
using numora::cli::Options;
using numora::cli::Output;
using numora::cli::write_all;

constexpr int kStdin = 0;
constexpr int kStdout = 1;
constexpr int kStderr = 2;

// Exit statuses, as README documents them.
enum Status {
    kAllConverted = 0,
    kSomeRefused = 1,
    kUsage = 2,
    kOutputFailed = 3,
    kInputFailed = 4
};

class Converter {
public:
    Converter(const Options& options, Output& out)
        : locale_(numora::cli::locale_separators()), style_(options.style), out_(out) {
        if (options.decimal) locale_.decimal = *options.decimal;
        // A separator the caller names is the only one; the locale's also
        // lets the other of "." and "," through where it cannot be misread.
        separators_ = locale_.view(!options.decimal.has_value());
    }

    // Writes one result line, or for a refusal an empty line and a report on
    // standard error. False for a refusal.
    bool convert(std::string_view text, std::size_t number) {
        Refusal refusal = numora::append_request(out_.pending(), text, separators_, style_);
#ifdef _WIN32
        // A file from a Windows tool may be in the ANSI code page ("12,50 €"
        // from cp1257): a line that is no UTF-8 is read in it.
        if (refusal == Refusal::not_a_number && !numora::win::is_utf8(text)) {
            refusal = numora::append_request(out_.pending(), numora::win::ansi_to_utf8(text),
                                             separators_, style_);
        }
#endif
        return finish(refusal, number);
    }

    // A line too long to keep is refused whatever it holds: as too large (or
    // negative) when it is all digits past a start that already says so.
    bool convert(const Line& line, std::size_t number) {
        if (!line.overlong) return convert(line.text, number);
        std::string words;
        Refusal refusal = numora::append_request(words, line.text, separators_, style_);
        if (!line.rest_is_digits || refusal == Refusal::none) refusal = Refusal::not_a_number;
        return finish(refusal, number);
    }

private:
    bool finish(Refusal refusal, std::size_t number) {
        out_.end_line();
        if (refusal == Refusal::none) return true;
        (void)out_.flush();  // the report follows the lines before it
        std::string report = "numora-cli: " + std::to_string(number) + ": ";
        report += numora::message_of(refusal);
        report += '\n';
        (void)write_all(kStderr, report);  // nowhere left to report a failure
        return false;
    }

    numora::LocaleSeparators locale_;
    numora::Style style_;
    numora::Separators separators_;
    Output& out_;
};

int output_failed() {
    (void)write_all(kStderr, "numora-cli: the output could not be written\n");
    return kOutputFailed;
}

int print(std::string_view text) {
    return write_all(kStdout, text) ? kAllConverted : output_failed();
}

int convert_all(const Options& options) {
    Output out(kStdout);
    Converter converter(options, out);
    bool all_accepted = true;
    std::size_t number = 0;
    bool input_failed = false;
    if (!options.texts.empty()) {
        for (const auto& text : options.texts) {
            all_accepted &= converter.convert(text, ++number);
            if (out.failed()) break;
        }
    } else {
        Input input(kStdin);
        Line line;
        while (!out.failed() && input.next(line, out)) {
            all_accepted &= converter.convert(line, ++number);
        }
        input_failed = input.failed();
    }
    if (!out.flush()) return output_failed();
    if (input_failed) {
        (void)write_all(kStderr, "numora-cli: the input could not be read\n");
        return kInputFailed;
    }
    return all_accepted ? kAllConverted : kSomeRefused;
}

int run(const std::vector<std::string>& args) {
    std::string error;
    const auto options = numora::cli::parse_options(args, error);
    if (!options) {
        error.insert(0, "numora-cli: ");
        error += '\n';
        error += numora::cli::kUsage;
        (void)write_all(kStderr, error);
        return kUsage;
    }
    if (options->help) return print(numora::cli::kUsage);
    if (options->version) return print("numora-cli " NUMORA_VERSION_TEXT "\n");
    return convert_all(*options);
}

}  // namespace

#ifdef _WIN32

// Arguments arrive as UTF-16 so that Lithuanian text survives any code page.
int wmain(int argc, wchar_t** argv) {
    const numora::win::ConsoleUtf8 console;
    // Bytes as they are: UTF-8, and LF at the end of every line on both outputs.
    _setmode(kStdout, _O_BINARY);
    _setmode(kStderr, _O_BINARY);
    _setmode(kStdin, _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(numora::win::to_utf8(argv[i]));
    return run(args);
}

#else

int main(int argc, char** argv) {
    return run(std::vector<std::string>(argv + 1, argv + argc));
}

#endif
