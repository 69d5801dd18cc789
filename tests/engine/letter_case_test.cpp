#include "letter_case.hpp"

#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(LetterCase, LithuanianLettersBothWays) {
    struct Case {
        const char* small;
        const char* capital;
    };
    const Case cases[] = {
        {"ąčęėįšųūž", "ĄČĘĖĮŠŲŪŽ"},
        {"dvidešimt vienas tūkstantis", "DVIDEŠIMT VIENAS TŪKSTANTIS"},
        {"abcxyz 123", "ABCXYZ 123"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_upper(c.small), c.capital);
        EXPECT_EQ(to_lower(c.capital), c.small);
        EXPECT_EQ(to_upper(c.capital), c.capital);
        EXPECT_EQ(to_lower(c.small), c.small);
    }
}

TEST(LetterCase, FirstCharacterOnly) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"penki", "Penki"}, {"šeši", "Šeši"}, {"ŠEŠI TŪKSTANČIAI", "Šeši tūkstančiai"},
        {"ž", "Ž"},         {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(capitalize_first(c.in), c.out) << c.in;
}

TEST(LetterCase, OtherCharactersAndBrokenUtf8PassUnchanged) {
    for (const char* text : {"ß € 中 😀 ö", "\xC5", "\x80\xFF", "\xC5\xC5"}) {
        EXPECT_EQ(to_upper(text), text);
        EXPECT_EQ(to_lower(text), text);
    }
    EXPECT_EQ(to_upper("a\xC5"), "A\xC5");
}

}  // namespace
}  // namespace numora
