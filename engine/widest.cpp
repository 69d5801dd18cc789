#include "widest.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {
namespace {

// A group's words are those of its hundreds, then those of its last two
// digits with the word that agrees with them: the widest group is the widest
// hundreds with the widest last two digits, each place measured apart.
enum Place : std::size_t {
    kMillionsHundreds,
    kMillionsRest,
    kThousandsHundreds,
    kThousandsRest,
    kUnitsHundreds,
    kUnitsRest,
    kCents,       // the cents in words, or the tens digit of them
    kCentsUnits,  // the cents' units digit, where they are written in digits
    kPlaces
};

// The texts one place of a result may hold, for each of its values, as ids
// of their words; and every distinct word, measured once.
class Places {
public:
    // The words a value puts at a place, in the style's case.
    void add(std::size_t place, const std::string& text) {
        std::vector<std::size_t> ids;
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t space = std::min(text.find(' ', from), text.size());
            ids.push_back(id_of(std::string_view(text).substr(from, space - from)));
            from = space + 1;
        }
        places_[place].push_back(std::move(ids));
    }

    // For each place, the value whose words are widest.
    std::array<int, kPlaces> widest(const MeasureWords& measure) {
        words_.emplace_back(" ");
        const std::vector<int> widths = measure(words_);
        words_.pop_back();
        const int space = widths.back();
        std::array<int, kPlaces> values{};
        for (std::size_t place = 0; place < kPlaces; ++place) {
            int most = -1;
            for (std::size_t value = 0; value < places_[place].size(); ++value) {
                int sum = 0;
                for (const std::size_t id : places_[place][value]) sum += widths[id] + space;
                if (sum > most) {
                    most = sum;
                    values[place] = static_cast<int>(value);
                }
            }
        }
        return values;
    }

private:
    std::size_t id_of(std::string_view word) {
        const auto found = std::find(words_.begin(), words_.end(), word);
        if (found != words_.end()) return static_cast<std::size_t>(found - words_.begin());
        words_.emplace_back(word);
        return words_.size() - 1;
    }

    std::vector<std::string> words_;
    std::array<std::vector<std::vector<std::size_t>>, kPlaces> places_;
};

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

Amount widest_amount(const Style& style, const MeasureWords& measure) {
    const bool capitals = style.all_capitals;
    // The currency word agrees with the whole value, whose last two digits are
    // the units group's.
    const ScaleWord* currency = style.form != MoneyForm::mark ? &style.currency.word : nullptr;
    Places places;
    for (int hundreds = 0; hundreds <= 9; ++hundreds) {
        // The millions' words come first, in a capital where the style has one:
        // every result with millions is wider than one without.
        std::string first = counted(hundreds * 100, nullptr, capitals);
        if (!capitals && style.first_capital) make_first_upper(first);
        places.add(kMillionsHundreds, first);
        places.add(kThousandsHundreds, counted(hundreds * 100, nullptr, capitals));
        places.add(kUnitsHundreds, counted(hundreds * 100, nullptr, capitals));
    }
    const bool cents_in_words = style.form == MoneyForm::full;
    for (int rest = 0; rest <= 99; ++rest) {
        places.add(kMillionsRest, counted(rest, &kMillion, capitals));
        places.add(kThousandsRest, counted(rest, &kThousand, capitals));
        places.add(kUnitsRest, counted(rest, currency, capitals));
        if (cents_in_words) places.add(kCents, counted(rest, &kCent, capitals));
    }
    // Cents in digits are widest with two, each digit the widest it can be.
    for (int digit = 0; digit <= 9 && !cents_in_words; ++digit) {
        places.add(kCents, std::string(1, static_cast<char>('0' + std::max(digit, 1))));
        places.add(kCentsUnits, std::string(1, static_cast<char>('0' + digit)));
    }
    const auto at = places.widest(measure);
    const auto group = [&at](Place hundreds) { return at[hundreds] * 100 + at[hundreds + 1]; };
    return {group(kMillionsHundreds) * 1'000'000 + group(kThousandsHundreds) * 1000 +
                group(kUnitsHundreds),
            cents_in_words ? at[kCents] : std::max(at[kCents], 1) * 10 + at[kCentsUnits]};
}

}  // namespace numora
