#include "widest.hpp"

#include <algorithm>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {
namespace {

// The words of a number and the word that agrees with it, in capitals if asked.
std::string counted(int number, const ScaleWord* word, bool capitals) {
    std::string text;
    append_words(text, number, capitals);
    if (word != nullptr) {
        const std::size_t from = text.size();
        text += agreeing(*word, number);
        if (capitals) make_upper(text, from);
    }
    return std::string(trim_spaces(text));
}

}  // namespace

WidestAmount::WidestAmount(const Style& style) : cents_in_words_(style.form == MoneyForm::full) {
    const bool capitals = style.all_capitals;
    // The currency word agrees with the whole value, whose last two digits
    // are the units group's.
    const ScaleWord* currency = style.form != MoneyForm::mark ? &style.currency.word : nullptr;
    for (int hundreds = 0; hundreds <= 9; ++hundreds) {
        // The millions' words come first, in a capital where the style has
        // one: every result with millions is wider than one without.
        const std::string words = counted(hundreds * 100, nullptr, capitals);
        std::string first = words;
        if (!capitals && style.first_capital) make_first_upper(first);
        add(kMillionsHundreds, first);
        add(kHundreds, words);
    }
    for (int rest = 0; rest <= 99; ++rest) {
        add(kMillionsRest, counted(rest, &kMillion, capitals));
        add(kThousandsRest, counted(rest, &kThousand, capitals));
        add(kUnitsRest, counted(rest, currency, capitals));
        if (cents_in_words_) add(kCents, counted(rest, &kCent, capitals));
    }
    // Cents in digits are widest with two, each digit the widest it can be.
    for (int digit = 0; digit <= 9 && !cents_in_words_; ++digit) {
        add(kCents, std::string(1, static_cast<char>('0' + std::max(digit, 1))));
        add(kCentsUnits, std::string(1, static_cast<char>('0' + digit)));
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
    const int cents = cents_in_words_
                          ? widest(kCents, widths)
                          : std::max(widest(kCents, widths), 1) * 10 + widest(kCentsUnits, widths);
    return {whole, cents};
}

}  // namespace numora
