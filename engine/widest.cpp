#include "widest.hpp"

#include <algorithm>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {
namespace {

// The words of a number and the word that agrees with it, in capitals if asked.
std::string counted(int number, const ScaleWord* word, Gender gender, bool capitals) {
    std::string text;
    append_words(text, number, capitals, gender);
    if (word != nullptr) {
        const std::size_t from = text.size();
        text += agreeing(*word, number);
        if (capitals) make_upper(text, from);
    }
    return std::string(trim_spaces(text));
}

// The hundredths as the style writes them: in words, or in digits with "ct"
// or the minor unit's word.
std::string cents_written(int cents, const Style& style) {
    const Currency& currency = *style.currency;
    if (style.form == MoneyForm::full) {
        return counted(cents, &currency.minor, currency.minor_gender, style.all_capitals);
    }
    std::string text = std::to_string(cents);
    if (!currency.minor_is_cent()) {
        const std::size_t from = text.size();
        text += agreeing(currency.minor, cents);
        if (style.all_capitals) make_upper(text, from);
    }
    return text;
}

}  // namespace

WidestAmount::WidestAmount(const Style& style) {
    const bool capitals = style.all_capitals;
    const Currency& currency = *style.currency;
    // The currency word agrees with the whole value, whose last two digits
    // are the units group's; so does the units digit, with its gender.
    const ScaleWord* word = style.form != MoneyForm::mark ? &currency.word : nullptr;
    for (int hundreds = 0; hundreds <= 9; ++hundreds) {
        // The millions' words come first, in a capital where the style has
        // one: every result with millions is wider than one without.
        const std::string words = counted(hundreds * 100, nullptr, Gender::masculine, capitals);
        std::string first = words;
        if (!capitals && style.first_capital) make_first_upper(first);
        add(kMillionsHundreds, first);
        add(kHundreds, words);
    }
    for (int rest = 0; rest <= 99; ++rest) {
        add(kMillionsRest, counted(rest, &kMillion, Gender::masculine, capitals));
        add(kThousandsRest, counted(rest, &kThousand, Gender::masculine, capitals));
        add(kUnitsRest, counted(rest, word, currency.gender, capitals));
        // The cents as one piece: none is written for 0.
        add(kCents, rest == 0 ? std::string() : cents_written(rest, style));
    }
    words_.emplace_back(" ");
}

void WidestAmount::add(Place place, const std::string& text) {
    std::vector<std::size_t> ids;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t space = std::min(text.find(' ', from), text.size());
        ids.push_back(id_of(std::string_view(text).substr(from, space - from)));
        from = space + 1;
    }
    places_[place].push_back(std::move(ids));
}

std::size_t WidestAmount::id_of(std::string_view word) {
    const auto found = std::find(words_.begin(), words_.end(), word);
    if (found != words_.end()) return static_cast<std::size_t>(found - words_.begin());
    words_.emplace_back(word);
    return words_.size() - 1;
}

// The value whose words at a place are widest, a space after each word.
int WidestAmount::widest(Place place, const std::vector<int>& widths) const {
    const int space = widths.back();
    int most = -1;
    int value = 0;
    for (std::size_t i = 0; i < places_[place].size(); ++i) {
        int sum = 0;
        for (const std::size_t id : places_[place][i]) sum += widths[id] + space;
        if (sum > most) {
            most = sum;
            value = static_cast<int>(i);
        }
    }
    return value;
}

Amount WidestAmount::given(const std::vector<int>& widths) const {
    const int hundreds = widest(kHundreds, widths) * 100;
    const int millions = widest(kMillionsHundreds, widths) * 100 + widest(kMillionsRest, widths);
    const int whole = millions * 1'000'000 + (hundreds + widest(kThousandsRest, widths)) * 1000 +
                      hundreds + widest(kUnitsRest, widths);
    return {whole, widest(kCents, widths)};
}

}  // namespace numora
