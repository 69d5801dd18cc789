// Every whole value 0 .. 999 999 999 is written and read back. Sharded so
// that CTest can spread the work over the cores.
#include <gtest/gtest.h>

#include <string>

#include "number_words.hpp"
#include "words_reader.hpp"

namespace numora {
namespace {

constexpr int kShards = 8;
constexpr long long kPerShard = 1'000'000'000LL / kShards;

class Exhaustive : public ::testing::TestWithParam<int> {};

TEST_P(Exhaustive, EveryValueReadsBackFromItsWords) {
    const long long first = GetParam() * kPerShard;
    long long failures = 0;
    for (long long n = first; n < first + kPerShard && failures < 10; ++n) {
        const std::string words = versk(static_cast<double>(n));
        if (n == 0) {
            EXPECT_EQ(words, "");
            continue;
        }
        // The reader rejects stray spaces, unknown words and wrong agreement.
        const auto back = testing::read_words(words);
        if (!back || *back != n) {
            ++failures;
            ADD_FAILURE() << n << " -> \"" << words << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, Exhaustive, ::testing::Range(0, kShards));

}  // namespace
}  // namespace numora
