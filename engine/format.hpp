// The text the user sees for an accepted number.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "parse.hpp"
#include "words.hpp"

namespace numora {

// How money is written: "Penki Eur 25 ct", "Penki eurai 25 ct" or "Penki
// eurai dvidešimt penki centai".
enum class MoneyForm { mark, word, full };
// Tables indexed by the form have this many rows; a new form moves the last.
inline constexpr std::size_t kMoneyForms = 3;
static_assert(static_cast<std::size_t>(MoneyForm::full) + 1 == kMoneyForms);

// The form a name gives, in any letter case: "short", "word" or "full".
std::optional<MoneyForm> money_form_named(std::string_view name);
// The form's name, as money_form_named reads it.
std::string_view name_of(MoneyForm form);

struct Style {
    bool money = true;          // the currency and the hundredths, in the money form
    bool first_capital = true;  // consulted only when all_capitals is off
    bool all_capitals = false;
    const Currency* currency = &kLitas;  // for texts typed without a currency mark
    MoneyForm form = MoneyForm::mark;
    // The text as it stood, then its words in parentheses, as contracts
    // write an amount: "1 750,00 Eur (vienas tūkstantis ... Eur)".
    bool with_digits = false;
};

// Appends the words for the amount's whole value in the chosen case ("nulis"
// when nothing else would be written, and before the hundredths of a
// currency other than the litas and the euro). In money mode the currency follows:
// its mark after the words and the hundredths in digits with " ct", or with
// the minor unit's word where that is not the cent; or its word, agreeing
// with the whole value ("nulis" then written before it always), and the
// hundredths in digits so, or in words with the minor unit's word. The
// whole value agrees with the currency's gender, the hundredths in words
// with the minor unit's.
// Trimmed of U+0020. The amount is within range: 0 .. 999 999 999,
// hundredths 0 .. 99.
void rodyk(std::string& out, Amount amount, const Style& style);

// The style with the typed text's currency mark, when it has one.
inline Style with_typed_currency(Style style, const Parsed& parsed) {
    if (parsed.currency != nullptr) style.currency = parsed.currency;
    return style;
}

}  // namespace numora
