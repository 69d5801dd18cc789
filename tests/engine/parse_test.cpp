#include "parse.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace numora {
namespace {

constexpr Separators kPoint{".", ""};
constexpr Separators kComma{",", "\u00A0"};  // Lithuanian
constexpr Separators kEnglish{".", ","};
constexpr Separators kGerman{",", "."};

struct Accepted {
    const char* text;
    Separators separators;
    double value;
};

TEST(ParseNumber, Accepts) {
    const Accepted cases[] = {
        {"5", kPoint, 5},
        {"5.25", kPoint, 5.25},
        {"5,25", kComma, 5.25},
        {".5", kPoint, 0.5},
        {"5.", kPoint, 5},
        {",5", kComma, 0.5},
        {"+7", kPoint, 7},
        {"-5", kPoint, -5},
        {"-.5", kPoint, -0.5},
        {"007", kPoint, 7},
        {" \t5\u00A0\u202F", kPoint, 5},
        {"1 000 000", kPoint, 1e6},
        {"1\u00A0000\u202F000,50", kComma, 1000000.5},
        {"12 345.5", kPoint, 12345.5},
        {"1,234,567.25", kEnglish, 1234567.25},
        {"1.234,5", kGerman, 1234.5},
        {"999999999.99", kPoint, 999999999.99},
        {"1.005", kPoint, 1.005},
        {"0.1", kPoint, 0.1},
        {"123456789012345678901234567890", kPoint, 123456789012345678901234567890.0},
        {"5", {"", ""}, 5},
        {"5.5", {"", ""}, 5.5},
        {"5.5", {".", "."}, 5.5},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_number(c.text, c.separators);
        ASSERT_EQ(parsed.status, ParseStatus::number) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
}

TEST(ParseNumber, Refuses) {
    struct Refused {
        const char* text;
        Separators separators;
    };
    const Refused cases[] = {
        {"", kPoint},
        {"   ", kPoint},
        {"abc", kPoint},
        {"5a", kPoint},
        {"1e3", kPoint},
        {"inf", kPoint},
        {"nan", kPoint},
        {"0x10", kPoint},
        {"1.2.3", kPoint},
        {"5,25", kPoint},
        {"5.25", kComma},
        {"12 34", kPoint},
        {"1234 567", kPoint},
        {"1 0000", kPoint},
        {"1  000", kPoint},
        {"1 000 0", kPoint},
        {"+ 5", kPoint},
        {"+-5", kPoint},
        {"--5", kPoint},
        {"+", kPoint},
        {"-", kPoint},
        {".", kPoint},
        {"5-", kPoint},
        {"٣", kPoint},
        {"５", kPoint},
        {"5\n", kPoint},
        {"1,5", kEnglish},
        {"1 000.5 5", kPoint},
        {"5,5", {"", ""}},
        {"1.000.00", kGerman},
        {"\u2009"
         "5",
         kPoint},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse_number(c.text, c.separators).status, ParseStatus::not_a_number) << c.text;
    }
}

TEST(ParseNumber, CurrencyMarks) {
    struct Case {
        const char* text;
        std::optional<Currency> currency;  // none: refused
        double value = 0;
    };
    const Case cases[] = {
        {"12,50 €", kEuro, 12.5},
        {"12,50€", kEuro, 12.5},
        {"€12,50", kEuro, 12.5},
        {"€ 12,50", kEuro, 12.5},
        {"EUR 12,50", kEuro, 12.5},
        {"12,50 Eur", kEuro, 12.5},
        {"eur\t12,50", kEuro, 12.5},
        {"1 234,56 EUR", kEuro, 1234.56},
        {" 7\u00A0€\u202F", kEuro, 7},
        {"5 Lt", kLitas, 5},
        {"LTL 5", kLitas, 5},
        {"5lTl", kLitas, 5},
        {"-5 €", kEuro, -5},
        {"€-5", kEuro, -5},
        {"5 € €", {}},
        {"5 Lt €", {}},
        {"€ 5 Lt", {}},
        {"€", {}},
        {"EUR", {}},
        {"5 USD", {}},
        {"5 euro", {}},
        {"5 e", {}},
        {"5 ct", {}},
        {"5 € 5", {}},
        {"- €5", {}},
        {"5 L t", {}},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_number(c.text, kComma);
        if (!c.currency) {
            EXPECT_EQ(parsed.status, ParseStatus::not_a_number) << c.text;
            continue;
        }
        ASSERT_EQ(parsed.status, ParseStatus::number) << c.text;
        EXPECT_EQ(parsed.currency, c.currency) << c.text;
        EXPECT_EQ(parsed.value, c.value) << c.text;
    }
    EXPECT_EQ(parse_number("5", kComma).currency, std::nullopt);
}

TEST(ParseNumber, TooLargeForADoubleIsFlaggedWithItsSign) {
    const std::string huge = "1" + std::string(400, '0');
    for (const auto& [text, negative] : {std::pair{huge, false}, std::pair{"-" + huge, true}}) {
        const auto parsed = parse_number(text, kPoint);
        EXPECT_EQ(parsed.status, ParseStatus::too_large);
        EXPECT_EQ(parsed.negative, negative);
    }
}

TEST(ParseNumber, BelowTheSmallestDoubleKeepsItsSign) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const auto positive = parse_number(tiny, kPoint);
    ASSERT_EQ(positive.status, ParseStatus::number);
    EXPECT_GT(positive.value, 0.0);
    EXPECT_EQ(std::floor(parse_number("-" + tiny, kPoint).value), -1.0);
}

TEST(ParseNumber, MinusZeroIsZero) {
    for (const char* text : {"-0", "-0.00", "-.0"}) {
        const auto parsed = parse_number(text, kPoint);
        ASSERT_EQ(parsed.status, ParseStatus::number);
        EXPECT_EQ(parsed.value, 0.0) << text;
        EXPECT_FALSE(std::floor(parsed.value) < 0.0) << text;
    }
}

TEST(ParseNumber, ConvertsCorrectlyRounded) {
    // Halfway between two doubles: a naive digit-by-digit conversion misses it.
    EXPECT_EQ(parse_number("9007199254740993", kPoint).value, 9007199254740992.0);
    EXPECT_EQ(parse_number("0.30000000000000004", kPoint).value, 0.1 + 0.2);
    EXPECT_EQ(parse_number("999999999.99999999999", kPoint).value, 1e9);
}

TEST(ParseNumber, AMegabyteOfDigitsIsTooLarge) {
    EXPECT_EQ(parse_number(std::string(1 << 20, '9'), kPoint).status, ParseStatus::too_large);
    EXPECT_EQ(parse_number(std::string(1 << 20, 'x'), kPoint).status, ParseStatus::not_a_number);
}

}  // namespace
}  // namespace numora
