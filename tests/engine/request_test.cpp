#include "request.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

namespace numora {
namespace {

constexpr Separators kPoint{".", ""};
constexpr Style kDefault{};

// The messages as the user reads them.
const std::string kNotANumber = "Turi būti skaičius";
const std::string kTooLarge = "Apsiribokime milijonais !";
const std::string kNegative = "Skaičius negali būti neigiamas";
const std::string kUnclearCurrency = "Nurodykite valiutą: SEK, NOK ar DKK";

constexpr std::string_view kLargestWords =
    "Devyni šimtai devyniasdešimt devyni milijonai devyni šimtai devyniasdešimt devyni "
    "tūkstančiai devyni šimtai devyniasdešimt devyni";

// The amount written is the amount typed: hundredths from its digits, halves
// to the even hundredth, a round-up carried into the whole part, zero as
// "Nulis", digit groups only as they are written.
TEST(Request, ExactAmountsInBothModes) {
    constexpr Separators kEnglish{".", ","};
    constexpr Separators kGerman{",", "."};
    const std::string largest(kLargestWords);
    struct Case {
        std::string typed;
        Separators separators;
        std::string money;   // a result or a refusal's message
        std::string number;  // the same in number mode
    };
    const Case cases[] = {
        {"1.999", kPoint, "Du Lt", "Vienas"},
        {"0.999", kPoint, "Vienas Lt", "Nulis"},
        {"999.996", kPoint, "Vienas tūkstantis Lt", "Devyni šimtai devyniasdešimt devyni"},
        {"999999999.995", kPoint, kTooLarge, largest},
        {"999999999.994", kPoint, largest + " Lt 99 ct", largest},
        {"999999999.9999999999", kPoint, kTooLarge, largest},
        {"2.675", kPoint, "Du Lt 68 ct", "Du"},
        {"12.345", kPoint, "Dvylika Lt 34 ct", "Dvylika"},
        {"1.015", kPoint, "Vienas Lt 2 ct", "Vienas"},
        {"5.12500000000000000001", kPoint, "Penki Lt 13 ct", "Penki"},
        {"1 000 000.995", kPoint, "Vienas milijonas vienas Lt", "Vienas milijonas"},
        {"0", kPoint, "Nulis Lt", "Nulis"},
        {"0.00", kPoint, "Nulis Lt", "Nulis"},
        {"0.004", kPoint, "Nulis Lt", "Nulis"},
        {"-0", kPoint, "Nulis Lt", "Nulis"},
        {"0 €", kPoint, "Nulis Eur", "Nulis"},
        {"0.5", kPoint, "50 ct", "Nulis"},
        {"007", kPoint, "Septyni Lt", "Septyni"},
        {"1,000", kEnglish, "Vienas tūkstantis Lt", "Vienas tūkstantis"},
        {"0,005", kEnglish, kNotANumber, kNotANumber},
        {"0.005 €", kGerman, kNotANumber, kNotANumber},
        {"0 005", kPoint, kNotANumber, kNotANumber},
        {"01 000", kPoint, kNotANumber, kNotANumber},
        {"-0.004", kPoint, kNegative, kNegative},
    };
    const Style number{.money = false};
    for (const auto& c : cases) {
        EXPECT_EQ(request(c.typed, c.separators, kDefault).text, c.money) << c.typed;
        EXPECT_EQ(request(c.typed, c.separators, number).text, c.number) << c.typed;
    }
}

TEST(Request, RefusedTextsGiveTheirKindAndMessage) {
    struct Case {
        std::string typed;
        Refusal refusal;
        const std::string& message;
    };
    const Case cases[] = {
        {"", Refusal::not_a_number, kNotANumber},
        {"abc", Refusal::not_a_number, kNotANumber},
        {"5,25", Refusal::not_a_number, kNotANumber},
        {"1000000000", Refusal::too_large, kTooLarge},
        {"1" + std::string(400, '0'), Refusal::too_large, kTooLarge},
        {"-1", Refusal::negative, kNegative},
        {"-1.5", Refusal::negative, kNegative},
        {"-0.01", Refusal::negative, kNegative},
        {"- 5 €", Refusal::negative, kNegative},
        {"-1" + std::string(400, '0'), Refusal::negative, kNegative},
        {"5 kr", Refusal::unclear_currency, kUnclearCurrency},
        {"kr. 1 000", Refusal::unclear_currency, kUnclearCurrency},
        {"5 kr €", Refusal::not_a_number, kNotANumber},
    };
    for (const auto& c : cases) {
        const auto outcome = request(c.typed, kPoint, kDefault);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.typed;
        EXPECT_EQ(outcome.text, c.message) << c.typed;
    }
}

// Where the locale's marks refuse a text, the other of "." and "," is its
// decimal mark if nothing else could be meant; with both, the last of them.
TEST(Request, TheOtherDecimalMarkWhereItCannotBeMisread) {
    constexpr std::array<const char*, 7> kTexts{"12.50",    "12.5",    "12,50", "1.500",
                                                "1.234,56", "12.50 €", "12.505"};
    const char* const refused = nullptr;
    const char* const twelve = "Dvylika Lt 50 ct";
    const char* const euros = "Dvylika Eur 50 ct";
    // Both marks: the last is the decimal one, whatever the locale.
    const char* const both = "Vienas tūkstantis du šimtai trisdešimt keturi Lt 56 ct";
    struct Locale {
        Separators separators;
        std::array<const char*, kTexts.size()> results;
    };
    const Locale locales[] = {
        {{",", "\u00A0", true}, {twelve, twelve, twelve, refused, both, euros, refused}},
        {{",", ".", true},
         {refused, refused, twelve, "Vienas tūkstantis penki šimtai Lt", both, refused,
          "Dvylika tūkstančių penki šimtai penki Lt"}},
        {{".", ",", true}, {twelve, twelve, refused, "Vienas Lt 50 ct", both, euros, twelve}},
        {{".", "'", true}, {twelve, twelve, twelve, "Vienas Lt 50 ct", both, euros, twelve}},
    };
    for (const auto& [separators, results] : locales) {
        for (std::size_t i = 0; i < kTexts.size(); ++i) {
            const auto outcome = request(kTexts[i], separators, kDefault);
            EXPECT_EQ(outcome.text, results[i] != nullptr ? results[i] : kNotANumber)
                << kTexts[i] << " with decimal " << separators.decimal;
        }
    }
    // A caller who names the mark gets that mark only.
    EXPECT_EQ(request("12.50", {",", "\u00A0"}, kDefault).text, kNotANumber);
}

// Plain amounts skip the parser: every hundredth must still come out as the
// parser gives it, with one or two decimals, at any size of whole part.
TEST(Request, PlainAmountsGiveWhatTheParserGives) {
    const Style capitals{.all_capitals = true};
    for (const int whole : {0, 1, 9, 10, 99, 100, 12345, 999999, 1000000, 123456789, 999999999}) {
        for (int cents = 0; cents < 100; ++cents) {
            for (const std::string& decimals :
                 {std::to_string(cents / 10),
                  std::to_string(cents / 10) + std::to_string(cents % 10)}) {
                const std::string typed = std::to_string(whole) + "." + decimals;
                for (const Style& style : {kDefault, capitals}) {
                    std::string parsed;
                    EXPECT_EQ(append_parsed_request(parsed, typed, kPoint, style), Refusal::none);
                    EXPECT_EQ(request(typed, kPoint, style).text, parsed) << typed;
                }
            }
        }
    }
}

// Contracts write an amount twice: the text as it stood (its grouping, its
// decimal mark, its currency mark), then its words in parentheses, with a
// small first letter; a refusal stays a refusal.
TEST(Request, WithDigitsTheTextThenItsWords) {
    constexpr Separators kLithuanian{",", "\u00A0", true};
    constexpr Style kPair{.with_digits = true};
    struct Case {
        const char* typed;
        Style style;
        const char* result;
    };
    const Case cases[] = {
        {"1 750,00 Eur", kPair,
         "1 750,00 Eur (vienas tūkstantis septyni šimtai penkiasdešimt Eur)"},
        {" \t1\u00A0750,00 Eur\r\n",
         {.form = MoneyForm::word, .with_digits = true},
         "1\u00A0750,00 Eur (vienas tūkstantis septyni šimtai penkiasdešimt eurų)"},
        {"12,50 €",
         {.form = MoneyForm::full, .with_digits = true},
         "12,50 € (dvylika eurų penkiasdešimt centų)"},
        {"EUR 12.50", kPair, "EUR 12.50 (dvylika Eur 50 ct)"},
        {"0,25 USD",
         {.form = MoneyForm::word, .with_digits = true},
         "0,25 USD (nulis JAV dolerių 25 ct)"},
        {"15", {.money = false, .with_digits = true}, "15 (penkiolika)"},
        {"5.25", {.all_capitals = true, .with_digits = true}, "5.25 (PENKI Lt 25 ct)"},
        {"5.25", {.first_capital = false, .with_digits = true}, "5.25 (penki Lt 25 ct)"},
        {"007", kPair, "007 (septyni Lt)"},
        {"1 750 Eur (vienas tūkstantis septyni šimtai penkiasdešimt Eur)", kPair,
         "Turi būti skaičius"},
        {"1000000000", kPair, "Apsiribokime milijonais !"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(request(c.typed, kLithuanian, c.style).text, c.result) << c.typed;
        std::string parsed;
        append_parsed_request(parsed, c.typed, kLithuanian, c.style);
        EXPECT_EQ(parsed, request(c.typed, kLithuanian, c.style).accepted() ? c.result : "");
    }
}

}  // namespace
}  // namespace numora
