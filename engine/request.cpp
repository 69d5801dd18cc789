#include "request.hpp"

namespace numora {

std::string_view append_request(std::string& out, std::string_view typed,
                                const Separators& separators, const Style& style) {
    if (const auto plain = plain_amount(typed, separators.decimal)) {
        rodyk(out, *plain, style);
        return {};
    }
    return append_parsed_request(out, typed, separators, style);
}

std::string_view append_parsed_request(std::string& out, std::string_view typed,
                                       const Separators& separators, const Style& style) {
    const Parsed parsed = parse_number(typed, separators);
    if (parsed.status == ParseStatus::not_a_number) return kNotANumber;
    if (parsed.negative) return kNegative;
    if (parsed.status == ParseStatus::too_large) return kTooLarge;
    // The limit holds for what is written: after a carry into the whole part.
    const Amount amount = style.money ? parsed.money() : parsed.number();
    if (amount.whole > kLargestWhole) return kTooLarge;
    rodyk(out, amount, with_typed_currency(style, parsed));
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
