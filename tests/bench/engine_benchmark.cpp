// Conversions per second of nine-digit amounts in money mode, and the time a
// megabyte of pasted text takes to be refused.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "block.hpp"
#include "number_words.hpp"
#include "request.hpp"

namespace {

std::vector<std::string> amounts(std::string_view mark = "") {
    std::vector<std::string> texts;
    std::uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1664525u + 1013904223u;  // a fixed LCG keeps runs comparable
        const auto whole = 100'000'000 + state % 900'000'000;
        texts.push_back(std::to_string(whole) + "." + std::to_string(10 + state % 90) +
                        std::string(mark));
    }
    return texts;
}

// Plain amounts, and the same with a euro mark, which takes the full parser;
// in each way of writing money.
void BM_Request(benchmark::State& state) {
    const auto texts = amounts(state.range(0) != 0 ? " €" : "");
    const numora::Separators separators{".", ""};
    const numora::Style style{.form = static_cast<numora::MoneyForm>(state.range(1))};
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = numora::request(texts[i++ % texts.size()], separators, style);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Request)->ArgNames({"euro", "form"})->ArgsProduct({{0, 1}, {0, 1, 2}});

// A megabyte pasted by mistake must be refused at once, not parsed for long.
void BM_RequestMegabyte(benchmark::State& state) {
    const std::string huge = std::string(1 << 20, '7') + "x";
    const numora::Separators separators{".", ""};
    for (auto _ : state) {
        auto outcome = numora::request(huge, separators, numora::Style{});
        benchmark::DoNotOptimize(outcome);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(huge.size()));
}
BENCHMARK(BM_RequestMegabyte)->Unit(benchmark::kMillisecond);

// A column of 10 000 amounts copied from a spreadsheet, written in words at a
// press of the hotkey.
void BM_Block(benchmark::State& state) {
    const auto texts = amounts();
    std::string column;
    for (std::size_t i = 0; i < 10'000; ++i) column += texts[i % texts.size()] + "\r\n";
    const numora::Separators separators{",", "\u00A0", true};
    for (auto _ : state) {
        auto outcome = numora::request_block(column, separators, numora::Style{});
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * 10'000);
}
BENCHMARK(BM_Block)->Unit(benchmark::kMillisecond);

void BM_Versk(benchmark::State& state) {
    double n = 123'456'789;
    for (auto _ : state) {
        auto words = numora::versk(n);
        benchmark::DoNotOptimize(words);
        n = n < 999'999'000 ? n + 997 : 100'000'000;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Versk);

}  // namespace

BENCHMARK_MAIN();
