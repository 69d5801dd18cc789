#include "parse.hpp"

#include <gtest/gtest.h>

#include <cstdint>
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
    std::int32_t whole;
    int hundredths;
};

TEST(ParseNumber, Accepts) {
    const Accepted cases[] = {
        {"5", kPoint, 5, 0},
        {"5.25", kPoint, 5, 25},
        {"5,25", kComma, 5, 25},
        {".5", kPoint, 0, 50},
        {"5.", kPoint, 5, 0},
        {",5", kComma, 0, 50},
        {"+7", kPoint, 7, 0},
        {"-5", kPoint, 5, 0},
        {"-.5", kPoint, 0, 50},
        {"007", kPoint, 7, 0},
        {" \t5\u00A0\u202F", kPoint, 5, 0},
        {"1 000 000", kPoint, 1000000, 0},
        {"1\u00A0000\u202F000,50", kComma, 1000000, 50},
        {"12 345.5", kPoint, 12345, 50},
        {"1,234,567.25", kEnglish, 1234567, 25},
        {"1.234,5", kGerman, 1234, 50},
        {"999999999.99", kPoint, 999999999, 99},
        {"0.1", kPoint, 0, 10},
        {"5", {"", ""}, 5, 0},
        {"5.5", {"", ""}, 5, 50},
        {"5.5", {".", "."}, 5, 50},
        // The fraction rounded to hundredths from its digits, halves to even.
        {"0.994999999999999999999", kPoint, 0, 99},
        {"1.999", kPoint, 1, 100},
        {"0000000000001.5", kPoint, 1, 50},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_number(c.text, c.separators);
        ASSERT_EQ(parsed.status, ParseStatus::number) << c.text;
        EXPECT_EQ(parsed.whole, c.whole) << c.text;
        EXPECT_EQ(parsed.hundredths, c.hundredths) << c.text;
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
        {"+-5", kPoint},
        {"--5", kPoint},
        {"+", kPoint},
        {"-", kPoint},
        {".", kPoint},
        {"5-", kPoint},
        {"٣", kPoint},
        {"５", kPoint},
        {"1,5", kEnglish},
        {"1 000.5 5", kPoint},
        {"5,5", {"", ""}},
        {"1.000.00", kGerman},
        // A first group of one to three digits without a leading zero.
        {"0,005", kEnglish},
        {"01,000", kEnglish},
        {"0 005", kPoint},
        {"0.005", kGerman},
        {"1,0000", kEnglish},
        {",000", kEnglish},
        {"\u2009"
         "5",
         kPoint},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse_number(c.text, c.separators).status, ParseStatus::not_a_number) << c.text;
    }
}

// Each currency's marks, before or after, in any letter case; "kr", which
// names three, read as a mark that names none.
TEST(ParseNumber, CurrencyMarks) {
    struct Case {
        const char* text;
        const char* currency;  // its name; nullptr: refused; "?": a mark naming none
        std::int32_t whole = 0;
    };
    const Case cases[] = {
        {"12,50 €", "Eur", 12},
        {"12,50€", "Eur", 12},
        {"€12,50", "Eur", 12},
        {"€ 12,50", "Eur", 12},
        {"EUR 12,50", "Eur", 12},
        {"12,50 Eur", "Eur", 12},
        {"eur\t12,50", "Eur", 12},
        {"1 234,56 EUR", "Eur", 1234},
        {" 7\u00A0€\u202F", "Eur", 7},
        {"5 Lt", "Lt", 5},
        {"LTL 5", "Lt", 5},
        {"5lTl", "Lt", 5},
        {"-5 €", "Eur", 5},
        {"€-5", "Eur", 5},
        {"12,50 USD", "USD", 12},
        {"$12,50", "USD", 12},
        {"US$ 5", "USD", 5},
        {"5 us$", "USD", 5},
        {"£5", "GBP", 5},
        {"gbp 5", "GBP", 5},
        {"5 zł", "PLN", 5},
        {"5 ZŁ", "PLN", 5},
        {"pln5", "PLN", 5},
        {"Chf 5", "CHF", 5},
        {"5sek", "SEK", 5},
        {"NOK 5", "NOK", 5},
        {"5 dkk", "DKK", 5},
        {"5 Kč", "CZK", 5},
        {"5 KČ", "CZK", 5},
        {"CZK 5", "CZK", 5},
        {"5 kr", "?", 5},
        {"5 kr.", "?", 5},
        {"KR 5", "?", 5},
        {"5 € €", nullptr},
        {"5 Lt €", nullptr},
        {"€ 5 Lt", nullptr},
        {"5 USD €", nullptr},
        {"$5 £", nullptr},
        {"5 kr €", nullptr},
        {"€", nullptr},
        {"EUR", nullptr},
        {"$", nullptr},
        {"5 euro", nullptr},
        {"5 e", nullptr},
        {"5 ct", nullptr},
        {"5 € 5", nullptr},
        {"5 L t", nullptr},
        {"5 U S D", nullptr},
        {"5 SEKK", nullptr},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_number(c.text, kComma);
        if (c.currency == nullptr) {
            EXPECT_EQ(parsed.status, ParseStatus::not_a_number) << c.text;
            continue;
        }
        ASSERT_EQ(parsed.status, ParseStatus::number) << c.text;
        const bool unclear = std::string_view(c.currency) == "?";
        EXPECT_EQ(parsed.unclear_currency, unclear) << c.text;
        EXPECT_EQ(parsed.currency, unclear ? nullptr : currency_called(c.currency)) << c.text;
        EXPECT_EQ(parsed.whole, c.whole) << c.text;
    }
    EXPECT_EQ(parse_number("5", kComma).currency, nullptr);
}

// Texts as other programs hand them over: line ends, minus signs of word
// processors, both "." and "," of accounting exports, spaces with the other
// decimal mark. Each with the other decimal mark allowed, as the window has it.
TEST(ParseNumber, TextsFromOtherPrograms) {
    constexpr Separators kLithuanian{",", "\u00A0", true};
    constexpr Separators kEnglishOther{".", ",", true};
    constexpr Separators kPointOther{".", "", true};
    constexpr Separators kSwiss{".", "'", true};
    struct Case {
        const char* text;
        Separators separators;
        ParseStatus status;
        bool negative = false;
        std::int32_t whole = 0;
        int hundredths = 0;
    };
    constexpr auto number = ParseStatus::number;
    constexpr auto refused = ParseStatus::not_a_number;
    const Case cases[] = {
        {"5\r", kPointOther, number, false, 5},
        {"5\r\r\n", kLithuanian, number, false, 5},
        {"\n5 €\n", kLithuanian, number, false, 5},
        {"+€5", kLithuanian, number, false, 5},
        {"-€5", kLithuanian, number, true, 5},
        {"-€ 5", kLithuanian, number, true, 5},
        {"\u22125", kPointOther, number, true, 5},
        {"\u20135", kPointOther, number, true, 5},
        {"€\u22125", kPointOther, number, true, 5},
        {"-€0", kPointOther, number, false, 0},
        {"1.000,50", kLithuanian, number, false, 1000, 50},
        {"1.000,50", kEnglishOther, number, false, 1000, 50},
        {"1,000.50", kLithuanian, number, false, 1000, 50},
        {"1.000,5", kSwiss, number, false, 1000, 50},
        {"1.000.000,05 €", kPointOther, number, false, 1000000, 5},
        {"1 234.50", kLithuanian, number, false, 1234, 50},
        {"1\u00A0234.5", kLithuanian, number, false, 1234, 50},
        {"1 234,50", kPointOther, number, false, 1234, 50},
        {"1 234,50", kSwiss, number, false, 1234, 50},
        {"1.00,50", kLithuanian, refused},
        {"1.000.000,5,0", kLithuanian, refused},
        {"1.000,505", kLithuanian, refused},
        {"1,000.50.5", kLithuanian, refused},
        {"01.000,50", kLithuanian, refused},
        {"1.000", kLithuanian, refused},
        {"1 234,50", kEnglishOther, refused},
        {"1 234.500", kLithuanian, refused},
        {"12 34.50", kLithuanian, refused},
        {"-€-5", kLithuanian, refused},
        // A sign, blanks, then the number or a currency mark.
        {"- €5", kLithuanian, number, true, 5},
        {"- 5 €", kLithuanian, number, true, 5},
        {"\u2212\u00A05", kPointOther, number, true, 5},
        {"+ 5", kPointOther, number, false, 5},
        {"- -5", kPointOther, refused},
        // Digits grouped by one kind of mark only: spaces, or the locale's.
        {"1 234,567", kEnglishOther, refused},
        {"1 234.567", {",", ".", true}, refused},
        {"1,234 567", kEnglishOther, refused},
        {"1 000.000,50", kLithuanian, refused},
        {"1.000 000,50", kPointOther, refused},
        {"1'234 567", kSwiss, refused},
        {"1 234\u00A0567,5", kLithuanian, number, false, 1234567, 50},
        {"1,234,567", kEnglishOther, number, false, 1234567},
        {"1 234 567", kEnglishOther, number, false, 1234567},
        {"5\r5", kPointOther, refused},
        {"1.000,50", {",", "\u00A0"}, refused},  // the mark named is the only one
    };
    for (const auto& c : cases) {
        const auto parsed = parse_number(c.text, c.separators);
        ASSERT_EQ(parsed.status, c.status) << c.text;
        EXPECT_EQ(parsed.negative, c.negative) << c.text;
        EXPECT_EQ(parsed.whole, c.whole) << c.text;
        EXPECT_EQ(parsed.hundredths, c.hundredths) << c.text;
    }
}

TEST(ParseNumber, TooLargeIsFlaggedWithItsSign) {
    const std::string huge = "1" + std::string(400, '0');
    for (const auto& [text, negative] : {std::pair{huge, false}, std::pair{"-" + huge, true},
                                         std::pair{std::string("1000000000.5"), false}}) {
        const auto parsed = parse_number(text, kPoint);
        EXPECT_EQ(parsed.status, ParseStatus::too_large) << text;
        EXPECT_EQ(parsed.negative, negative) << text;
    }
}

// Negative only when a digit is not zero, however far down.
TEST(ParseNumber, TheSignOfZeroAndOfTinyAmounts) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    for (const auto& [text, negative] :
         {std::pair{"-" + tiny, true}, std::pair{tiny, false}, std::pair{std::string("-0"), false},
          std::pair{std::string("-0.00"), false}, std::pair{std::string("-.0"), false}}) {
        const auto parsed = parse_number(text, kPoint);
        ASSERT_EQ(parsed.status, ParseStatus::number) << text;
        EXPECT_EQ(parsed.negative, negative) << text;
        EXPECT_EQ(parsed.whole + parsed.hundredths, 0) << text;
    }
}

TEST(ParseNumber, AMegabyteOfDigitsIsTooLarge) {
    EXPECT_EQ(parse_number(std::string(1 << 20, '9'), kPoint).status, ParseStatus::too_large);
    EXPECT_EQ(parse_number(std::string(1 << 20, 'x'), kPoint).status, ParseStatus::not_a_number);
}

}  // namespace
}  // namespace numora
