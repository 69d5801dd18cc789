// One conversion request: the typed text either refused with a message or
// turned into the text to show and copy.
#pragma once

#include <string>
#include <string_view>

#include "format.hpp"
#include "parse.hpp"

namespace numora {

inline constexpr std::string_view kNotANumber = "Turi būti skaičius";
inline constexpr std::string_view kTooLarge = "Apsiribokime milijonais !";
inline constexpr std::string_view kNegative = "Skaičius negali būti neigiamas";

struct Outcome {
    bool accepted = false;
    std::string text;  // the result when accepted, else the message to show
};

Outcome request(std::string_view typed, const Separators& separators, const Style& style);

// The same, with the result appended to `out`: returns the refusal's message,
// or an empty view when the text was accepted.
std::string_view append_request(std::string& out, std::string_view typed,
                                const Separators& separators, const Style& style);
// The same through the parser alone, without the shortcut for plain amounts,
// whose results must be the same.
std::string_view append_parsed_request(std::string& out, std::string_view typed,
                                       const Separators& separators, const Style& style);

}  // namespace numora
