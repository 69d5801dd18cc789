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
    std::array<int, 4> widest(const std::function<int(std::string_view)>& width) const {
        std::vector<int> widths;
        for (const auto& word : words_) widths.push_back(width(word));
        const int space = width(" ");
        std::array<int, 4> values{};
        for (std::size_t place = 0; place < places_.size(); ++place) {
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
    std::array<std::vector<std::vector<std::size_t>>, 4> places_;
};

enum Place : std::size_t { kMillions, kThousands, kUnits, kCents };

// The words of a number and the word that agrees with it; nothing for 0.
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

Amount widest_amount(const Style& style, const std::function<int(std::string_view)>& width) {
    const bool capitals = style.all_capitals;
    const bool named = style.form != MoneyForm::mark;
    Places places;
    // The millions' words come first, in a capital where the style has one:
    // every result with millions is wider than one without.
    places.add(kMillions, {});
    for (int group = 1; group <= 999; ++group) {
        std::string text = counted(group * 1'000'000, nullptr, capitals);
        if (!capitals && style.first_capital) make_first_upper(text);
        places.add(kMillions, text);
    }
    for (int group = 0; group <= 999; ++group) {
        places.add(kThousands, counted(group * 1000, nullptr, capitals));
        // The whole value ends in the units group's two digits.
        places.add(kUnits, counted(group, named ? &style.currency.word : nullptr, capitals));
    }
    for (int cents = 0; cents <= 99; ++cents) {
        places.add(kCents, style.form == MoneyForm::full ? counted(cents, &kCent, capitals)
                           : cents > 0                   ? std::to_string(cents)
                                                         : std::string());
    }
    const auto [millions, thousands, units, cents] = places.widest(width);
    return {millions * 1'000'000 + thousands * 1000 + units, cents};
}

}  // namespace numora
