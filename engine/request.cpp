#include "request.hpp"

#include <cmath>

#include "number_words.hpp"

namespace numora {

Outcome request(std::string_view typed, const Separators& separators, const Style& style) {
    const Parsed parsed = parse_number(typed, separators);
    if (parsed.status == ParseStatus::not_a_number) return {false, std::string(kNotANumber)};
    if (parsed.status == ParseStatus::too_large) {
        return {false, std::string(parsed.negative ? kNegative : kTooLarge)};
    }
    const double whole = std::floor(parsed.value);
    if (whole > kLargestWhole) return {false, std::string(kTooLarge)};
    if (whole < 0.0) return {false, std::string(kNegative)};
    return {true, format_amount(whole, parsed.value, with_typed_currency(style, parsed))};
}

}  // namespace numora
