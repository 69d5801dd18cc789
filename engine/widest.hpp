// The result of a style that takes the most room where it is shown, found by
// measuring its words rather than guessed.
#pragma once

#include <functional>
#include <string_view>

#include "format.hpp"
#include "parse.hpp"

namespace numora {

// The amount whose result in this money style is the widest, as `width`
// measures texts (in pixels, say; widths add up word by word). The words of
// each group do not depend on the other groups' (the currency word agrees
// with the units group, the cent word with the cents), so the widest group
// at each place makes the widest result. `width` is asked once per word.
Amount widest_amount(const Style& style, const std::function<int(std::string_view)>& width);

}  // namespace numora
