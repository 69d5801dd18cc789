// Upper- and lower-casing of UTF-8 text: ASCII letters, the Lithuanian
// letters ą č ę ė į š ų ū ž, and ł for the zloty's mark. Every other
// character passes unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace numora {

std::string to_upper(std::string_view text);
std::string to_lower(std::string_view text);
// The first character in upper case, the rest in lower case.
std::string capitalize_first(std::string_view text);

// In place (the mapped letters keep their UTF-8 length), from byte `from` on:
// all of the text, or only its first character.
void make_upper(std::string& text, std::size_t from = 0);
void make_first_upper(std::string& text, std::size_t from = 0);

// Whether a text is the word, both in any letter case.
bool equals_ignoring_case(std::string_view text, std::string_view word);

}  // namespace numora
