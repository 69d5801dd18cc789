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
    constexpr Style kEuroFirst{.currency = &kEuro};
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

// Each way of writing money, with every agreement form of the currency
// and the cent words, zero, amounts below one unit, and the letter cases.
TEST(Rodyk, MoneyFormsAgreeWithTheirNumbers) {
    constexpr Style kWord{.form = MoneyForm::word};
    constexpr Style kFull{.form = MoneyForm::full};
    constexpr Style kFullCapitals{.all_capitals = true, .form = MoneyForm::full};
    constexpr Style kWordSmall{.first_capital = false, .form = MoneyForm::word};
    constexpr Style kFullEuro{.currency = &kEuro, .form = MoneyForm::full};
    struct Case {
        const char* typed;
        Style style;
        const char* result;
    };
    const Case cases[] = {
        {"21.50 €", {}, "Dvidešimt vienas Eur 50 ct"},
        {"21.50 €", kWord, "Dvidešimt vienas euras 50 ct"},
        {"21.50 €", kFull, "Dvidešimt vienas euras penkiasdešimt centų"},
        {"12", kWord, "Dvylika litų"},
        {"12", kFull, "Dvylika litų"},
        {"1001.21 €", kWord, "Vienas tūkstantis vienas euras 21 ct"},
        {"1001.21 €", kFull, "Vienas tūkstantis vienas euras dvidešimt vienas centas"},
        {"0 €", {}, "Nulis Eur"},
        {"0 €", kWord, "Nulis eurų"},
        {"0 €", kFull, "Nulis eurų"},
        {"0.10 €", {}, "10 ct"},
        {"0.10 €", kWord, "Nulis eurų 10 ct"},
        {"0.10 €", kFull, "Nulis eurų dešimt centų"},
        {"0.01", kFull, "Nulis litų vienas centas"},
        {"2.02", kFull, "Du litai du centai"},
        {"11.11", kFull, "Vienuolika litų vienuolika centų"},
        {"35.35", kFullEuro, "Trisdešimt penki eurai trisdešimt penki centai"},
        {"111.99 €", kFull, "Vienas šimtas vienuolika eurų devyniasdešimt devyni centai"},
        {"1000000 €", kWord, "Vienas milijonas eurų"},
        {"1.999", kWord, "Du litai"},
        {"21.50 €", kFullCapitals, "DVIDEŠIMT VIENAS EURAS PENKIASDEŠIMT CENTŲ"},
        {"21.50 €",
         {.all_capitals = true, .form = MoneyForm::word},
         "DVIDEŠIMT VIENAS EURAS 50 ct"},
        {"0.5", kFullCapitals, "NULIS LITŲ PENKIASDEŠIMT CENTŲ"},
        {"21.50 €", kWordSmall, "dvidešimt vienas euras 50 ct"},
        {"0.5", kWordSmall, "nulis litų 50 ct"},
        {"21.5", {.money = false, .form = MoneyForm::full}, "Dvidešimt vienas"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.typed, c.style), c.result) << c.typed;
}

// Every currency in each way: the code in the short way, its words in the
// others; the minor unit's word where it is not the cent; the feminine
// crowns and öre, whose number agrees with them in its last units digit.
TEST(Rodyk, EveryCurrencyInEachWay) {
    constexpr Style kWord{.form = MoneyForm::word};
    constexpr Style kFull{.form = MoneyForm::full};
    struct Case {
        const char* typed;
        Style style;
        const char* result;
    };
    const Case cases[] = {
        {"12.50 USD", {}, "Dvylika USD 50 ct"},
        {"12.50 $", kWord, "Dvylika JAV dolerių 50 ct"},
        {"12.50 US$", kFull, "Dvylika JAV dolerių penkiasdešimt centų"},
        {"12.50 GBP", {}, "Dvylika GBP 50 pensų"},
        {"1.01 £", kWord, "Vienas svaras sterlingų 1 pensas"},
        {"21.21 GBP", kFull, "Dvidešimt vienas svaras sterlingų dvidešimt vienas pensas"},
        {"5.21 PLN", {}, "Penki PLN 21 grašis"},
        {"22.22 zł", kFull, "Dvidešimt du zlotai dvidešimt du grašiai"},
        {"0.50 CHF", {}, "Nulis CHF 50 santimų"},
        {"0.50 CHF", kWord, "Nulis Šveicarijos frankų 50 santimų"},
        {"0.50 CHF", kFull, "Nulis Šveicarijos frankų penkiasdešimt santimų"},
        {"2.01 SEK", {}, "Dvi SEK 1 erė"},
        {"2.02 SEK", kWord, "Dvi Švedijos kronos 2 erės"},
        {"2.02 SEK", kFull, "Dvi Švedijos kronos dvi erės"},
        {"21 SEK", kWord, "Dvidešimt viena Švedijos krona"},
        {"4 SEK", kWord, "Keturios Švedijos kronos"},
        {"12 SEK", kWord, "Dvylika Švedijos kronų"},
        {"202 SEK", kWord, "Du šimtai dvi Švedijos kronos"},
        {"2002 SEK", kWord, "Du tūkstančiai dvi Švedijos kronos"},
        {"1000000 SEK", kWord, "Vienas milijonas Švedijos kronų"},
        {"1 NOK", kWord, "Viena Norvegijos krona"},
        {"2.02 NOK",
         {.all_capitals = true, .form = MoneyForm::full},
         "DVI NORVEGIJOS KRONOS DVI ERĖS"},
        {"9.09 DKK", kFull, "Devynios Danijos kronos devynios erės"},
        {"5.21 CZK", {}, "Penkios CZK 21 heleris"},
        {"2002.01 CZK", kFull, "Du tūkstančiai dvi Čekijos kronos vienas heleris"},
        {"2 Kč", {.first_capital = false, .form = MoneyForm::word}, "dvi Čekijos kronos"},
        {"12.50 GBP", {.all_capitals = true}, "DVYLIKA GBP 50 PENSŲ"},
        {"0.05 SEK", {.all_capitals = true}, "NULIS SEK 5 ERĖS"},
        // Under one unit, only the litas' and the euro's hundredths stand alone.
        {"0.25 USD", {}, "Nulis USD 25 ct"},
        {"0.21 SEK", {}, "Nulis SEK 21 erė"},
        {"0.01 GBP", {.first_capital = false}, "nulis GBP 1 pensas"},
        {"0.99 CZK", {}, "Nulis CZK 99 heleriai"},
        {"0.25", {.currency = currency_called("PLN")}, "Nulis PLN 25 grašiai"},
        {"0.25", {.currency = &kEuro}, "25 ct"},
        {"2.5 SEK", {.money = false}, "Du"},
        {"2", {.currency = currency_called("SEK")}, "Dvi SEK"},
    };
    for (const auto& c : cases) EXPECT_EQ(shown(c.typed, c.style), c.result) << c.typed;
}

TEST(Rodyk, MoneyFormsByName) {
    EXPECT_EQ(money_form_named("short"), MoneyForm::mark);
    EXPECT_EQ(money_form_named("Word"), MoneyForm::word);
    EXPECT_EQ(money_form_named("FULL"), MoneyForm::full);
    EXPECT_EQ(money_form_named("words"), std::nullopt);
    for (const auto form : {MoneyForm::mark, MoneyForm::word, MoneyForm::full}) {
        EXPECT_EQ(money_form_named(name_of(form)), form);
    }
}

}  // namespace
}  // namespace numora
