#include "format.hpp"

#include <gtest/gtest.h>

#include "request.hpp"

namespace numora {
namespace {

constexpr Style kSmall{.money = true, .first_capital = false, .all_capitals = false};
constexpr Separators kPoint{".", ""};

// What the window shows for a typed text.
std::string shown(const char* typed, const Style& style, const Separators& separators = kPoint) {
    return request(typed, separators, style).text;
}

TEST(Rodyk, MoneyModeSmallLetters) {
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"5", "penki Lt"},
        {"5.25", "penki Lt 25 ct"},
        {"1.05", "vienas Lt 5 ct"},
        {"2.5", "du Lt 50 ct"},
        {"0.25", "25 ct"},
        {"0.01", "1 ct"},
        {"0", "nulis Lt"},
        {"1.999", "du Lt"},
        {"1.005", "vienas Lt"},
        {"0.125", "12 ct"},
        {"0.375", "38 ct"},
        {"0.995", "vienas Lt"},
        {"1000", "vienas tūkstantis Lt"},
        {"999999999.99",
         "devyni šimtai devyniasdešimt devyni milijonai devyni šimtai "
         "devyniasdešimt devyni tūkstančiai devyni šimtai devyniasdešimt "
         "devyni Lt 99 ct"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.typed, kSmall), c.result) << c.typed;
}

TEST(Rodyk, LetterCasesInBothModes) {
    struct Case {
        const char* typed;
        Style style;
        const char* result;
    };
    const Case cases[] = {
        {"21", {false, false, false}, "dvidešimt vienas"},
        {"21", {false, true, false}, "Dvidešimt vienas"},
        {"21", {false, true, true}, "DVIDEŠIMT VIENAS"},
        {"21", {false, false, true}, "DVIDEŠIMT VIENAS"},
        {"5.25", {true, true, true}, "PENKI Lt 25 ct"},
        {"5.25", {true, true, false}, "Penki Lt 25 ct"},
        {"6000", {true, true, false}, "Šeši tūkstančiai Lt"},
        {"0.5", {true, true, true}, "50 ct"},
        {"5.9", {false, false, false}, "penki"},
        {"0.9", {false, true, false}, "Nulis"},
        {"0", {true, true, true}, "NULIS Lt"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.typed, c.style), c.result) << c.typed;
}

TEST(Rodyk, TheTypedMarkOrElseTheStylesCurrency) {
    constexpr Style kEuroFirst{.currency = kEuro};
    struct Case {
        const char* typed;
        Style style;
        const char* result;
    };
    const Case cases[] = {
        {"1234.56 €", {}, "Vienas tūkstantis du šimtai trisdešimt keturi Eur 56 ct"},
        {"0.50 €", {}, "50 ct"},
        {"5.25 eur", {true, true, true}, "PENKI Eur 25 ct"},
        {"5.9 EUR", {false, false, false}, "penki"},
        {"5", kEuroFirst, "Penki Eur"},
        {"5 Lt", kEuroFirst, "Penki Lt"},
        {"LTL 5", {}, "Penki Lt"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.typed, c.style), c.result) << c.typed;
}

TEST(Rodyk, HundredthsFollowTheLocaleSeparators) {
    const Separators lithuanian{",", "\u00A0"};
    EXPECT_EQ(shown("5,25", kSmall, lithuanian), "penki Lt 25 ct");
    EXPECT_EQ(shown("1\u00A0000,5", kSmall, lithuanian), "vienas tūkstantis Lt 50 ct");
}

}  // namespace
}  // namespace numora
