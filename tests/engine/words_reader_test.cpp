#include "words_reader.hpp"

#include <gtest/gtest.h>

namespace numora::testing {
namespace {

// The reader is the fuzz target's judge, so it must refuse what is wrong.
TEST(WordsReader, RefusesMalformedWords) {
    for (const char* text :
         {"", " vienas", "vienas ", "du  šimtai", "šimtas", "du šimtas", "vienas šimtai",
          "du tūkstantis", "vienas tūkstančiai", "dešimt tūkstančiai",
          "vienas tūkstantis vienas milijonas", "vienas vienas", "vienuolika vienas",
          "dešimt dvylika", "milijonas", "vienas tūkstantis du tūkstančiai", "Vienas", "one"}) {
        EXPECT_EQ(read_words(text), std::nullopt) << text;
    }
}

TEST(WordsReader, ReadsWellFormedWords) {
    EXPECT_EQ(read_words("du milijonai trys tūkstančiai keturi"), 2003004);
    EXPECT_EQ(read_words("vienas šimtas milijonų"), 100000000);
    EXPECT_EQ(read_words("dvidešimt vienas tūkstantis"), 21000);
}

}  // namespace
}  // namespace numora::testing
