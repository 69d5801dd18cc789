// The text the user sees for an accepted number.
#pragma once

#include <string>

#include "parse.hpp"
#include "words.hpp"

namespace numora {

struct Style {
    bool money = true;          // the currency mark and the hundredths in digits with " ct"
    bool first_capital = true;  // consulted only when all_capitals is off
    bool all_capitals = false;
    Currency currency = kLitas;  // for texts typed without a currency mark
};

// Appends the words for the amount's whole value in the chosen case ("nulis"
// when nothing else would be written); in money mode the style's currency
// mark after the words and the hundredths in digits with " ct". Trimmed of
// U+0020. The amount is within range: 0 .. 999 999 999, hundredths 0 .. 99.
void rodyk(std::string& out, Amount amount, const Style& style);

// The style with the typed text's currency mark, when it has one.
inline Style with_typed_currency(Style style, const Parsed& parsed) {
    if (parsed.currency) style.currency = *parsed.currency;
    return style;
}

}  // namespace numora
