// One conversion request: the typed text either refused, for a reason each
// front end shows as its message, or turned into the text to show and copy.
#pragma once

#include <string>
#include <string_view>

#include "format.hpp"
#include "parse.hpp"

namespace numora {

// Why a text is not written: the front ends decide by the kind, and show
// its message.
enum class Refusal { none, not_a_number, unclear_currency, too_large, negative };

// The message a refusal shows; empty for none.
std::string_view message_of(Refusal refusal);

struct Outcome {
    Refusal refusal = Refusal::not_a_number;
    std::string text;  // the result when accepted, else the refusal's message

    bool accepted() const { return refusal == Refusal::none; }
};

Outcome request(std::string_view typed, const Separators& separators, const Style& style);

// The same, with the result appended to `out` when the text is accepted.
Refusal append_request(std::string& out, std::string_view typed, const Separators& separators,
                       const Style& style);
// The same through the parser alone, without the shortcut for plain amounts,
// whose results must be the same.
Refusal append_parsed_request(std::string& out, std::string_view typed,
                              const Separators& separators, const Style& style);

}  // namespace numora
