// Reads Lithuanian number words back into a number, strictly: only table
// words, single spaces, groups in the written order, scale words in the form
// that agrees with their group. Used to check the writer against itself.
#pragma once

#include <optional>
#include <string_view>

namespace numora::testing {

std::optional<long long> read_words(std::string_view text);

}  // namespace numora::testing
