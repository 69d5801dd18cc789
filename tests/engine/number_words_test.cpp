#include "number_words.hpp"

#include <gtest/gtest.h>

#include <string>

namespace numora {
namespace {

struct Case {
    double n;
    const char* words;
};

TEST(Tables, EntryZeroIsEmptyAndTenIsATensWord) {
    EXPECT_EQ(vienetai[0], "");
    EXPECT_EQ(niolika[0], "");
    EXPECT_EQ(desimtys[0], "");
    EXPECT_EQ(desimtys[1], "dešimt");
}

TEST(Simtai, GroupsOfThePart) {
    const Case cases[] = {
        {1, "vienas"},
        {9, "devyni"},
        {10, "dešimt"},
        {11, "vienuolika"},
        {19, "devyniolika"},
        {20, "dvidešimt"},
        {21, "dvidešimt vienas"},
        {99, "devyniasdešimt devyni"},
        {100, "vienas šimtas"},
        {101, "vienas šimtas vienas"},
        {110, "vienas šimtas dešimt"},
        {111, "vienas šimtas vienuolika"},
        {120, "vienas šimtas dvidešimt"},
        {200, "du šimtai"},
        {305, "trys šimtai penki"},
        {999, "devyni šimtai devyniasdešimt devyni"},
    };
    for (const auto& c : cases) EXPECT_EQ(simtai(static_cast<int>(c.n)), c.words) << c.n;
}

TEST(Simtai, OutsideOneToNineHundredNinetyNineIsEmpty) {
    for (const int g : {0, -1, 1000}) EXPECT_EQ(simtai(g), "") << g;
}

TEST(Agreement, ThreeFormsInEveryPosition) {
    struct Form {
        int group;
        const char* thousand;
        const char* million;
    };
    const Form forms[] = {
        {1, " tūkstantis", " milijonas"},   {21, " tūkstantis", " milijonas"},
        {101, " tūkstantis", " milijonas"}, {991, " tūkstantis", " milijonas"},
        {2, " tūkstančiai", " milijonai"},  {9, " tūkstančiai", " milijonai"},
        {22, " tūkstančiai", " milijonai"}, {109, " tūkstančiai", " milijonai"},
        {10, " tūkstančių", " milijonų"},   {11, " tūkstančių", " milijonų"},
        {19, " tūkstančių", " milijonų"},   {20, " tūkstančių", " milijonų"},
        {100, " tūkstančių", " milijonų"},  {111, " tūkstančių", " milijonų"},
        {911, " tūkstančių", " milijonų"},  {990, " tūkstančių", " milijonų"},
    };
    for (const auto& f : forms) {
        EXPECT_EQ(agreeing(kThousand, f.group), f.thousand) << f.group;
        EXPECT_EQ(agreeing(kMillion, f.group), f.million) << f.group;
    }
}

TEST(Versk, WholeNumbersOfThePart) {
    const Case cases[] = {
        {0, ""},
        {1, "vienas"},
        {1000, "vienas tūkstantis"},
        {1001, "vienas tūkstantis vienas"},
        {2000, "du tūkstančiai"},
        {5000, "penki tūkstančiai"},
        {10000, "dešimt tūkstančių"},
        {11000, "vienuolika tūkstančių"},
        {12000, "dvylika tūkstančių"},
        {20000, "dvidešimt tūkstančių"},
        {21000, "dvidešimt vienas tūkstantis"},
        {22000, "dvidešimt du tūkstančiai"},
        {101000, "vienas šimtas vienas tūkstantis"},
        {111000, "vienas šimtas vienuolika tūkstančių"},
        {1000000, "vienas milijonas"},
        {1000001, "vienas milijonas vienas"},
        {1000005, "vienas milijonas penki"},
        {2000000, "du milijonai"},
        {11000000, "vienuolika milijonų"},
        {21000000, "dvidešimt vienas milijonas"},
        {100000000, "vienas šimtas milijonų"},
        {2003004, "du milijonai trys tūkstančiai keturi"},
        {999999999,
         "devyni šimtai devyniasdešimt devyni milijonai devyni šimtai devyniasdešimt devyni "
         "tūkstančiai devyni šimtai devyniasdešimt devyni"},
    };
    for (const auto& c : cases) EXPECT_EQ(versk(c.n), c.words) << c.n;
}

TEST(Versk, NegativesAndValuesOutOfRangeGiveNoWords) {
    for (const double n : {-0.0, -1.0, -1000.0, -2147483648.0, -1e12, 1e9, 1e300}) {
        EXPECT_EQ(versk(n), "") << n;
    }
}

TEST(TrimSpaces, OnlyU0020Counts) {
    EXPECT_EQ(trim_spaces("  a b  "), "a b");
    EXPECT_EQ(trim_spaces("   "), "");
    EXPECT_EQ(trim_spaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trim_spaces("\u00A0a"), "\u00A0a");
}

}  // namespace
}  // namespace numora
