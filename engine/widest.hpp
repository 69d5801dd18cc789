// The result of a style that takes the most room where it is shown, found by
// measuring its words rather than guessed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "format.hpp"
#include "parse.hpp"

namespace numora {

// Widths of texts, one for each text given, in their order (in pixels, say).
using MeasureWords = std::function<std::vector<int>(const std::vector<std::string>& texts)>;

// The amount whose result in this money style is the widest as `measure`
// gives widths; widths add up word by word, a space's between words. The
// words of each group do not depend on the other groups' (the currency word
// agrees with the units group, the cent word with the cents), so the widest
// group at each place makes the widest result. `measure` is asked once, for
// every word the style writes.
Amount widest_amount(const Style& style, const MeasureWords& measure);

}  // namespace numora
