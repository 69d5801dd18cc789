// The result of a style that takes the most room where it is shown, found by
// measuring its words rather than guessed.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "format.hpp"
#include "parse.hpp"

namespace numora {

// The amount whose result in a money style is the widest, once its words are
// measured (in pixels, say; widths add up word by word, a space's between
// words). The words of each group do not depend on the other groups' (the
// currency word and the units digit's gender agree with the units group, the
// minor unit's word with the cents),
// so the widest words at each place make the widest result. A group's words
// are those of its hundreds, then those of its last two digits with the word
// that agrees with them: each of these places is measured apart.
class WidestAmount {
public:
    explicit WidestAmount(const Style& style);

    // Every word the style writes, each once, and a space last: to be measured.
    const std::vector<std::string>& words() const { return words_; }
    // The widest amount, given the widths of words() in their order.
    Amount given(const std::vector<int>& widths) const;

private:
    enum Place : std::size_t {
        kMillionsHundreds,  // first in the result: in a capital where the style has one
        kHundreds,          // of the thousands and of the units alike
        kMillionsRest,
        kThousandsRest,
        kUnitsRest,
        kCents,  // the cents as written: in words, or in digits with their unit
        kPlaces
    };

    void add(Place place, const std::string& text);
    std::size_t id_of(std::string_view word);
    int widest(Place place, const std::vector<int>& widths) const;

    std::vector<std::string> words_;
    // For each place, the words of each of its values, as indexes into words_.
    std::array<std::vector<std::vector<std::size_t>>, kPlaces> places_;
};

}  // namespace numora
