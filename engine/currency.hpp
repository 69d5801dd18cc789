// The currencies amounts are written in: one row each, with how the currency
// is chosen, marked in a text and written. Adding a currency is adding a row.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "words.hpp"

namespace numora {

struct Currency {
    std::string_view mark;  // after the words in the short way: " Lt", " USD"
    ScaleWord word;         // the main unit, agreeing with the whole value
    Gender gender;
    ScaleWord minor;  // the hundredths' unit, agreeing with them
    Gender minor_gender;
    // The marks read in a text besides the name, in small letters, the
    // longer of two with the same start first; empty where there are fewer.
    std::array<std::string_view, 2> typed;

    // As it is chosen and kept, and read as a mark too: "Lt", "Eur", "USD".
    std::string_view name() const { return mark.substr(1); }
    // Where the minor unit is the cent, its digits are followed by "ct".
    bool minor_is_cent() const { return minor == kCent; }
    // Under one unit, the short way writes the hundredths alone ("25 ct")
    // only for the litas and the euro, as invoices always have; another
    // currency's would not say which it is: "Nulis USD 25 ct".
    bool hundredths_alone() const;
};

// One row for each currency, in the order menus list them, the litas first.
// Defined once, with its words: a table in this header would put them in
// every program part that includes it.
extern const std::array<Currency, 10> kCurrencies;

inline constexpr const Currency& kLitas = kCurrencies[0];
inline constexpr const Currency& kEuro = kCurrencies[1];

// The currency a name or one of its marks chooses, in any letter case:
// "lt", "EUR", "usd", "€"; nullptr for any other text.
const Currency* currency_called(std::string_view name);

// The row's place in the table, as menus and settings count them.
std::size_t index_of(const Currency& currency);

}  // namespace numora
