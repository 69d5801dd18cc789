#include "block.hpp"

#include <gtest/gtest.h>

#include <string>

namespace numora {
namespace {

// A spreadsheet's column, row or block, as its clipboard text has it.
TEST(Block, EveryCellInWordsTheShapeKept) {
    constexpr Separators kLithuanian{",", "\u00A0", true};
    struct Case {
        std::string copied;
        std::string result;  // the words, or the message of a refusal
        std::size_t amounts;
        bool single;
        std::string cell;  // the first written, or the refused one
    };
    const Case cases[] = {
        {"5", "Penki Lt", 1, true, "5"},
        {"12,50 €\r\n", "Dvylika Eur 50 ct", 1, true, "12,50 €"},
        {"1\r\n2\r\n3\r\n", "Vienas Lt\r\nDu Lt\r\nTrys Lt", 3, false, "1"},
        {"1\n\n2", "Vienas Lt\n\nDu Lt", 2, false, "1"},
        {"\t1\t\t2\r3", "\tVienas Lt\t\tDu Lt\rTrys Lt", 3, false, "1"},
        {" \t1 234,5", " \tVienas tūkstantis du šimtai trisdešimt keturi Lt 50 ct", 1, false,
         "1 234,5"},
        {"\r\n\t\r\n", "\r\n\t", 0, false, ""},
        {"", "", 0, true, ""},
        {"1\r\n2\r\nabc\r\n4", "Eilutė 3: Turi būti skaičius", 2, false, "abc"},
        {"1\t2\r\n3\t-4", "Eilutė 2, stulpelis 2: Skaičius negali būti neigiamas", 3, false, "-4"},
        {"1\t\r\n1000000000", "Eilutė 2: Apsiribokime milijonais !", 1, false, "1000000000"},
        {"abc\r\n", "Turi būti skaičius", 0, true, "abc"},
    };
    for (const auto& c : cases) {
        const BlockOutcome outcome = request_block(c.copied, kLithuanian, Style{});
        SCOPED_TRACE(testing::PrintToString(c.copied));
        EXPECT_EQ(outcome.refusal == Refusal::none ? outcome.text : message_of(outcome), c.result);
        EXPECT_TRUE(outcome.refusal == Refusal::none || outcome.text.empty());
        EXPECT_EQ(outcome.amounts, c.amounts);
        EXPECT_EQ(outcome.single, c.single);
        EXPECT_EQ(outcome.cell, c.cell);
    }
}

}  // namespace
}  // namespace numora
