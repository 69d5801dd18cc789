#include "format.hpp"

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
    if (rest > 0.5 || (rest == 0.5 && std::fmod(cents, 2.0) != 0.0)) cents += 1.0;
    return static_cast<int>(cents) % 100;
}

namespace {

std::string apply_case(const std::string& words, const Style& style) {
    if (style.all_capitals) return to_upper(words);
    if (!style.first_capital) return to_lower(words);
    return capitalize_first(words);
}

}  // namespace

std::string format_amount(double whole, double typed_value, const Style& style) {
    std::string text = apply_case(versk(whole), style);
    if (style.money) {
        if (!trim_spaces(text).empty()) text += kLt;
        if (const int cents = hundredths(typed_value); cents > 0) {
            text += kSpace;
            text += std::to_string(cents);
            text += kCt;
        }
    }
    return std::string(trim_spaces(text));
}

std::string rodyk(double whole, const Style& style, std::string_view typed,
                  const Separators& separators) {
    const Parsed parsed = parse_number(typed, separators);
    return format_amount(whole, parsed.status == ParseStatus::number ? parsed.value : whole, style);
}

}  // namespace numora
