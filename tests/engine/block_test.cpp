#include "block.hpp"

#include <gtest/gtest.h>

#include <string>

namespace numora {
namespace {

// A spreadsheet's column, row or block, as its clipboard text has it, and
// the cells counted in it.
TEST(Block, EveryCellInWordsTheShapeKept) {
    constexpr Separators kLithuanian{",", "\u00A0", true};
    struct Case {
        std::string copied;
        std::string result;  // the words, or the message of a refusal
        std::size_t amounts;
        bool single;
        std::string cell;   // the first written, or the refused one
        std::size_t cells;  // empty ones too, as counted before writing
    };
    const Case cases[] = {
        {"5", "Penki Lt", 1, true, "5", 1},
        {"12,50 €\r\n", "Dvylika Eur 50 ct", 1, true, "12,50 €", 1},
        {"1\r\n2\r\n3\r\n", "Vienas Lt\r\nDu Lt\r\nTrys Lt", 3, false, "1", 3},
        {"1\n\n2", "Vienas Lt\n\nDu Lt", 2, false, "1", 3},
        {"\t1\t\t2\r3", "\tVienas Lt\t\tDu Lt\rTrys Lt", 3, false, "1", 5},
        {" \t1 234,5", " \tVienas tūkstantis du šimtai trisdešimt keturi Lt 50 ct", 1, false,
         "1 234,5", 2},
        {"\r\n\t\r\n", "\r\n\t", 0, false, "", 3},
        {"", "", 0, true, "", 0},
        {"1\r\n2\r\nabc\r\n4", "Eilutė 3: Turi būti skaičius", 2, false, "abc", 4},
        {"1\t2\r\n3\t-4", "Eilutė 2, stulpelis 2: Skaičius negali būti neigiamas", 3, false, "-4",
         4},
        {"1\t\r\n1000000000", "Eilutė 2: Apsiribokime milijonais !", 1, false, "1000000000", 3},
        {"abc\r\n", "Turi būti skaičius", 0, true, "abc", 1},
    };
    for (const auto& c : cases) {
        const BlockOutcome outcome = request_block(c.copied, kLithuanian, Style{});
        SCOPED_TRACE(testing::PrintToString(c.copied));
        EXPECT_EQ(outcome.refusal == Refusal::none ? outcome.text : message_of(outcome), c.result);
        EXPECT_TRUE(outcome.refusal == Refusal::none || outcome.text.empty());
        EXPECT_EQ(outcome.amounts, c.amounts);
        EXPECT_EQ(outcome.single, c.single);
        EXPECT_EQ(outcome.cell, c.cell);
        EXPECT_EQ(cells_in(c.copied), c.cells);
    }
}

}  // namespace
}  // namespace numora
