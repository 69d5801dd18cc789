// The numeric test and the conversion of a typed text, as one function, so
// that every front end accepts exactly the same texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "currency.hpp"

namespace numora {

struct Separators {
    std::string_view decimal = ".";  // UTF-8; an empty one falls back to "."
    std::string_view grouping;       // UTF-8; empty when the locale has none
    // Also the other of "." and "," as the decimal mark, where a text cannot
    // be misread with it: "12.50" where the decimal mark is ",".
    bool other_decimal = false;
};

// A locale's marks as its settings give them, owned: what both front ends
// read from the system, and the parser's Separators are views of.
struct LocaleSeparators {
    std::string decimal = ".";
    std::string grouping;

    Separators view(bool other_decimal) const { return {decimal, grouping, other_decimal}; }
};

enum class ParseStatus { number, not_a_number, too_large };

// A whole value and its hundredths 0 .. 99, as they are written.
struct Amount {
    std::int32_t whole = 0;
    int cents = 0;
};

// The typed number, exactly as its digits say: no binary floating point.
struct Parsed {
    ParseStatus status = ParseStatus::not_a_number;
    bool negative = false;               // a minus before a number other than zero
    const Currency* currency = nullptr;  // the typed mark's; none when no mark was typed
    bool unclear_currency = false;       // the mark typed names more than one ("kr")
    // Of the number's magnitude, for ParseStatus::number: the whole part (at
    // most kLargestWhole, else the status is too_large) and the fraction
    // rounded to hundredths, halves to the even hundredth: 0 .. 100.
    std::int32_t whole = 0;
    int hundredths = 0;

    // Money: the hundredths, a round-up to 100 carried into the whole part,
    // which may then pass kLargestWhole.
    Amount money() const { return {whole + hundredths / 100, hundredths % 100}; }
    // Number mode: the whole part; the fraction is dropped, not rounded.
    Amount number() const { return {whole, 0}; }
};

// Accepts blanks (space, tab, U+00A0, U+202F, CR, LF) at both ends, one
// optional sign before the number (blanks between them allowed), ASCII digits
// plain or grouped in threes (by single spaces or by the locale's grouping
// separator, one of the two in a text; the first group 1 to 3 digits without
// a leading zero) and at most one decimal separator with digits on
// at least one side, and at most one currency mark before or after it (one
// a currency's row lists, or "kr", which names three) in any letter case,
// blanks beside it optional. Nothing
// else. With `other_decimal`, a text the locale's marks refuse is read with
// other marks where it cannot be misread: with both "." and "," in it, the
// last as the decimal mark and the other grouping; else the other of "." and
// "," as the decimal mark, when it is not the locale's grouping one, occurs
// once and is followed by one or two digits, and only spaces group digits.
Parsed parse_number(std::string_view text, const Separators& separators);

// An amount typed plainly: one to nine digits, then perhaps the decimal
// separator and up to two digits. Its whole part and hundredths come from the
// digits alone, as parse_number gives them, and much sooner.
std::optional<Amount> plain_amount(std::string_view text, std::string_view decimal);

// The text without the blanks at either end (space, tab, no-break spaces, CR, LF).
std::string_view trim_blanks(std::string_view text);

// Whether a text is a currency mark, in any letter case: "€", "usd", "kr".
bool is_currency_mark(std::string_view mark);

// Whether a text can serve as the decimal separator: not empty, and with no
// digit, sign or blank in it, which the numbers around it would swallow.
bool usable_decimal_separator(std::string_view separator);

}  // namespace numora
