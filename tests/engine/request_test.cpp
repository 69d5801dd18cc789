#include "request.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace numora {
namespace {

constexpr Separators kPoint{".", ""};
constexpr Style kDefault{};

TEST(Request, AcceptedTextsGiveTheResult) {
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"5.25", "Penki Lt 25 ct"},
        {"999999999",
         "Devyni šimtai devyniasdešimt devyni milijonai devyni šimtai "
         "devyniasdešimt devyni tūkstančiai devyni šimtai devyniasdešimt devyni Lt"},
        {"999999999.99",
         "Devyni šimtai devyniasdešimt devyni milijonai devyni šimtai "
         "devyniasdešimt devyni tūkstančiai devyni šimtai devyniasdešimt devyni "
         "Lt 99 ct"},
        {"2.7", "Du Lt 70 ct"},
        {"0", ""},
        {"-0", ""},
        {"-0.00", ""},
        {" 1 000 ", "Vienas tūkstantis Lt"},
    };
    for (const auto& c : cases) {
        const auto outcome = request(c.typed, kPoint, kDefault);
        EXPECT_TRUE(outcome.accepted) << c.typed;
        EXPECT_EQ(outcome.text, c.result) << c.typed;
    }
}

TEST(Request, RefusedTextsGiveTheirMessage) {
    struct Case {
        std::string typed;
        std::string_view message;
    };
    const Case cases[] = {
        {"", kNotANumber},
        {"abc", kNotANumber},
        {"5,25", kNotANumber},
        {"1000000000", kTooLarge},
        {"999999999.9999999999", kTooLarge},  // the nearest double is 1e9
        {"1" + std::string(400, '0'), kTooLarge},
        {"-1", kNegative},
        {"-5", kNegative},
        {"-1.5", kNegative},
        {"-0.01", kNegative},
        {"-1" + std::string(400, '0'), kNegative},
    };
    for (const auto& c : cases) {
        const auto outcome = request(c.typed, kPoint, kDefault);
        EXPECT_FALSE(outcome.accepted) << c.typed;
        EXPECT_EQ(outcome.text, c.message) << c.typed;
    }
}

// Plain amounts skip the double: every hundredth must still come out as the
// double gives it, with one or two decimals, at any size of whole part.
TEST(Request, PlainAmountsGiveWhatTheDoubleGives) {
    const Style capitals{.all_capitals = true};
    for (const int whole : {0, 1, 9, 10, 99, 100, 12345, 999999, 1000000, 123456789, 999999999}) {
        for (int cents = 0; cents < 100; ++cents) {
            for (const std::string& decimals :
                 {std::to_string(cents / 10),
                  std::to_string(cents / 10) + std::to_string(cents % 10)}) {
                const std::string typed = std::to_string(whole) + "." + decimals;
                const double value = parse_number(typed, kPoint).value;
                for (const Style& style : {kDefault, capitals}) {
                    EXPECT_EQ(request(typed, kPoint, style).text,
                              format_amount(std::floor(value), value, style))
                        << typed;
                }
            }
        }
    }
}

TEST(Request, NumberModeDropsTheFraction) {
    const Style number{.money = false, .first_capital = true, .all_capitals = false};
    EXPECT_EQ(request("2.7", kPoint, number).text, "Du");
    EXPECT_EQ(request("0.7", kPoint, number).text, "");
}

}  // namespace
}  // namespace numora
