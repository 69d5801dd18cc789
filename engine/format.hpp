// The text the user sees for an accepted number.
#pragma once

#include <string>
#include <string_view>

#include "parse.hpp"
#include "words.hpp"

namespace numora {

struct Style {
    bool money = true;          // the currency mark and the hundredths in digits with " ct"
    bool first_capital = true;  // consulted only when all_capitals is off
    bool all_capitals = false;
    Currency currency = kLitas;  // for texts typed without a currency mark
};

// The hundredths of a typed value: from the double, halves to even, mod 100.
int hundredths(double value);

// Words for the whole value in the chosen case; in money mode the style's
// currency mark after non-empty words and the hundredths of the typed value.
// Trimmed of U+0020.
std::string format_amount(double whole, double typed_value, const Style& style);
// The same text appended to `out`, for hundredths 0 .. 99 already worked out.
void append_amount(std::string& out, double whole, int cents, const Style& style);

// The same for a typed text, converted as the numeric test converts it; a
// currency mark in it is written instead of the style's.
std::string rodyk(double whole, const Style& style, std::string_view typed,
                  const Separators& separators);

// The style with the typed text's currency mark, when it has one.
inline Style with_typed_currency(Style style, const Parsed& parsed) {
    if (parsed.currency) style.currency = *parsed.currency;
    return style;
}

}  // namespace numora
