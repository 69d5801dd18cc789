// The text the user sees for an accepted number.
#pragma once

#include <string>
#include <string_view>

#include "parse.hpp"

namespace numora {

struct Style {
    bool money = true;          // " Lt" and the hundredths in digits with " ct"
    bool first_capital = true;  // consulted only when all_capitals is off
    bool all_capitals = false;
};

// The hundredths of a typed value: from the double, halves to even, mod 100.
int hundredths(double value);

// Words for the whole value in the chosen case; in money mode " Lt" after
// non-empty words and the hundredths of the typed value. Trimmed of U+0020.
std::string format_amount(double whole, double typed_value, const Style& style);

// The same for a typed text, converted as the numeric test converts it.
std::string rodyk(double whole, const Style& style, std::string_view typed,
                  const Separators& separators);

}  // namespace numora
