#include "format.hpp"

#include <array>
#include <cstddef>
#include <cmath>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {

int hundredths(double value) {
    if (!std::isfinite(value)) return 0;
    const double f = (value - std::floor(value)) * 100.0;
    // Halves go to the even neighbour whatever the FPU's rounding mode is.
    double cents = std::floor(f);
    const double rest = f - cents;
    if (rest > 0.5 || (rest == 0.5 && static_cast<int>(cents) % 2 != 0)) cents += 1.0;
    return static_cast<int>(cents) % 100;
}

namespace {

// versk's words are in lower case already: lowering them again changes nothing.
void apply_case(std::string& text, std::size_t words, const Style& style) {
    if (style.all_capitals) {
        make_upper(text, words);
    } else if (style.first_capital) {
        make_first_upper(text, words);
    }
}

void append_number(std::string& text, int value) {
    std::array<char, 10> digits{};
    auto first = digits.end();
    do {
        *--first = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    text.append(first, digits.end());
}

}  // namespace

// Words have no space at either end, and each piece after them brings its
// own: the result is trimmed as it is written.
void append_amount(std::string& out, double whole, double typed_value, const Style& style) {
    const std::size_t start = out.size();
    append_words(out, whole);
    apply_case(out, start, style);
    if (!style.money) return;
    if (out.size() > start) out += style.currency.mark;
    if (const int cents = hundredths(typed_value); cents > 0) {
        if (out.size() > start) out += kSpace;
        append_number(out, cents);
        out += kCt;
    }
}

std::string format_amount(double whole, double typed_value, const Style& style) {
    std::string text;
    append_amount(text, whole, typed_value, style);
    return text;
}

std::string rodyk(double whole, const Style& style, std::string_view typed,
                  const Separators& separators) {
    const Parsed parsed = parse_number(typed, separators);
    return format_amount(whole, parsed.status == ParseStatus::number ? parsed.value : whole,
                         with_typed_currency(style, parsed));
}

}  // namespace numora
