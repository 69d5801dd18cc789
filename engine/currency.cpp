#include "currency.hpp"

#include "letter_case.hpp"

namespace numora {

namespace {

// The öre of the three Scandinavian crowns.
constexpr ScaleWord kOre{" erė", " erės", " erių"};

}  // namespace

// Proper nouns keep their capitals in every letter case: "JAV", "Švedijos".
constexpr std::array<Currency, 10> kCurrencies{{
    {" Lt", {" litas", " litai", " litų"}, Gender::masculine, kCent, Gender::masculine, {"ltl"}},
    {" Eur", {" euras", " eurai", " eurų"}, Gender::masculine, kCent, Gender::masculine, {"€"}},
    {" USD",
     {" JAV doleris", " JAV doleriai", " JAV dolerių"},
     Gender::masculine,
     kCent,
     Gender::masculine,
     {"us$", "$"}},
    {" GBP",
     {" svaras sterlingų", " svarai sterlingų", " svarų sterlingų"},
     Gender::masculine,
     {" pensas", " pensai", " pensų"},
     Gender::masculine,
     {"£"}},
    {" PLN",
     {" zlotas", " zlotai", " zlotų"},
     Gender::masculine,
     {" grašis", " grašiai", " grašių"},
     Gender::masculine,
     {"zł"}},
    {" CHF",
     {" Šveicarijos frankas", " Šveicarijos frankai", " Šveicarijos frankų"},
     Gender::masculine,
     {" santimas", " santimai", " santimų"},
     Gender::masculine,
     {}},
    {" SEK",
     {" Švedijos krona", " Švedijos kronos", " Švedijos kronų"},
     Gender::feminine,
     kOre,
     Gender::feminine,
     {}},
    {" NOK",
     {" Norvegijos krona", " Norvegijos kronos", " Norvegijos kronų"},
     Gender::feminine,
     kOre,
     Gender::feminine,
     {}},
    {" DKK",
     {" Danijos krona", " Danijos kronos", " Danijos kronų"},
     Gender::feminine,
     kOre,
     Gender::feminine,
     {}},
    {" CZK",
     {" Čekijos krona", " Čekijos kronos", " Čekijos kronų"},
     Gender::feminine,
     {" heleris", " heleriai", " helerių"},
     Gender::masculine,
     {"kč"}},
}};

const Currency* currency_called(std::string_view name) {
    for (const Currency& currency : kCurrencies) {
        if (equals_ignoring_case(name, currency.name())) return &currency;
        for (const std::string_view mark : currency.typed) {
            if (!mark.empty() && equals_ignoring_case(name, mark)) return &currency;
        }
    }
    return nullptr;
}

bool Currency::hundredths_alone() const {
    return this == &kLitas || this == &kEuro;
}

std::size_t index_of(const Currency& currency) {
    return static_cast<std::size_t>(&currency - kCurrencies.data());
}

}  // namespace numora
