#include "request.hpp"

#include <cmath>

#include "number_words.hpp"

namespace numora {

std::string_view append_request(std::string& out, std::string_view typed,
                                const Separators& separators, const Style& style) {
    if (const auto plain = plain_amount(typed, separators.decimal)) {
        append_amount(out, plain->whole, plain->cents, style);
        return {};
    }
    const Parsed parsed = parse_number(typed, separators);
    if (parsed.status == ParseStatus::not_a_number) return kNotANumber;
    if (parsed.status == ParseStatus::too_large) return parsed.negative ? kNegative : kTooLarge;
    const double whole = std::floor(parsed.value);
    if (whole > kLargestWhole) return kTooLarge;
    if (whole < 0.0) return kNegative;
    append_amount(out, whole, hundredths(parsed.value), with_typed_currency(style, parsed));
    return {};
}

Outcome request(std::string_view typed, const Separators& separators, const Style& style) {
    Outcome outcome;
    const std::string_view refusal = append_request(outcome.text, typed, separators, style);
    outcome.accepted = refusal.empty();
    if (!outcome.accepted) outcome.text = refusal;
    return outcome;
}

}  // namespace numora
