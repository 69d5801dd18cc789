#include "request.hpp"

namespace numora {

// A switch, so that a new kind without its message does not compile (-Wswitch).
std::string_view message_of(Refusal refusal) {
    switch (refusal) {
        case Refusal::none:
            return "";
        case Refusal::not_a_number:
            return "Turi būti skaičius";
        case Refusal::unclear_currency:
            return "Nurodykite valiutą: SEK, NOK ar DKK";
        case Refusal::too_large:
            return "Apsiribokime milijonais !";
        case Refusal::negative:
            return "Skaičius negali būti neigiamas";
    }
    return "";
}

namespace {

using Append = Refusal (*)(std::string&, std::string_view, const Separators&, const Style&);

// The text trimmed of its blanks and line ends but otherwise as it stood, then
// its words in parentheses: they begin with a small letter, as words inside
// a sentence do (all capitals stay all capitals).
Refusal append_with_digits(std::string& out, std::string_view typed, const Separators& separators,
                           Style style, Append append) {
    const std::size_t start = out.size();
    out += trim_blanks(typed);
    out += " (";
    style.with_digits = false;
    style.first_capital = false;
    const Refusal refusal = append(out, typed, separators, style);
    if (refusal != Refusal::none) {
        out.resize(start);
        return refusal;
    }
    out += ')';
    return Refusal::none;
}

}  // namespace

Refusal append_request(std::string& out, std::string_view typed, const Separators& separators,
                       const Style& style) {
    if (style.with_digits) {
        return append_with_digits(out, typed, separators, style, &append_request);
    }
    if (const auto plain = plain_amount(typed, separators.decimal)) {
        rodyk(out, *plain, style);
        return Refusal::none;
    }
    return append_parsed_request(out, typed, separators, style);
}

Refusal append_parsed_request(std::string& out, std::string_view typed,
                              const Separators& separators, const Style& style) {
    if (style.with_digits) {
        return append_with_digits(out, typed, separators, style, &append_parsed_request);
    }
    const Parsed parsed = parse_number(typed, separators);
    if (parsed.status == ParseStatus::not_a_number) return Refusal::not_a_number;
    // "kr" names three currencies: writing one of them could be writing another amount.
    if (parsed.unclear_currency) return Refusal::unclear_currency;
    if (parsed.negative) return Refusal::negative;
    if (parsed.status == ParseStatus::too_large) return Refusal::too_large;
    // The limit holds for what is written: after a carry into the whole part.
    const Amount amount = style.money ? parsed.money() : parsed.number();
    if (amount.whole > kLargestWhole) return Refusal::too_large;
    rodyk(out, amount, with_typed_currency(style, parsed));
    return Refusal::none;
}

Outcome request(std::string_view typed, const Separators& separators, const Style& style) {
    Outcome outcome;
    outcome.refusal = append_request(outcome.text, typed, separators, style);
    if (!outcome.accepted()) outcome.text = message_of(outcome.refusal);
    return outcome;
}

}  // namespace numora
