// Whole numbers 0 .. 999 999 999 in Lithuanian words (lower case, UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "words.hpp"

namespace numora {

// Words for one group 1 .. 999, trimmed, single-spaced; empty outside that range.
std::string simtai(int group);

// The form of a word that agrees with the number written before it: a
// group 1 .. 999 for the scale words, a whole value or the cents for the
// currency and cent words. Only its last two digits matter.
std::string_view agreeing(const ScaleWord& word, int number);

// The word for a units digit 0 .. 9 before a word of that gender.
std::string_view units_word(int digit, Gender gender);

// Words for a whole value; empty when no group is positive (0, negatives)
// and for values above 999 999 999, which the callers refuse first.
std::string versk(double whole);
// The same words appended to `text`, in capitals if asked, agreeing with a
// word of that gender after them: only the last units digit changes
// ("du šimtai dvi kronos").
void append_words(std::string& text, std::int32_t whole, bool capitals = false,
                  Gender gender = Gender::masculine);

// Removes U+0020 only, at both ends; no other character counts as a space.
std::string_view trim_spaces(std::string_view text);

}  // namespace numora
