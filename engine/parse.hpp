// The numeric test and the conversion of a typed text, as one function, so
// that every front end accepts exactly the same texts.
#pragma once

#include <optional>
#include <string_view>

#include "words.hpp"

namespace numora {

struct Separators {
    std::string_view decimal = ".";  // UTF-8; an empty one falls back to "."
    std::string_view grouping;       // UTF-8; empty when the locale has none
};

enum class ParseStatus { number, not_a_number, too_large };

struct Parsed {
    ParseStatus status = ParseStatus::not_a_number;
    double value = 0.0;  // correctly rounded; set only for ParseStatus::number
    bool negative = false;
    std::optional<Currency> currency;  // the typed mark's; none when no mark was typed
};

// Accepts blanks (space, tab, U+00A0, U+202F) at both ends, one optional sign
// right before the number, ASCII digits plain or grouped in threes (by single
// spaces or the locale's grouping separator) and at most one decimal
// separator with digits on at least one side, and at most one currency mark
// before or after it: "€", "eur", "lt" or "ltl" in any letter case, blanks
// beside it optional. Nothing else.
Parsed parse_number(std::string_view text, const Separators& separators);

// An amount typed plainly: one to nine digits, then perhaps the decimal
// separator and up to two digits. Its whole part and hundredths come from the
// digits alone, exactly what the double would give, and much sooner.
struct PlainAmount {
    int whole = 0;
    int cents = 0;
};
std::optional<PlainAmount> plain_amount(std::string_view text, std::string_view decimal);

// Whether a text can serve as the decimal separator: not empty, and with no
// digit, sign or blank in it, which the numbers around it would swallow.
bool usable_decimal_separator(std::string_view separator);

}  // namespace numora
