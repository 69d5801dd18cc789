// Conversions per second of nine-digit amounts in money mode.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "number_words.hpp"
#include "request.hpp"

namespace {

std::vector<std::string> amounts() {
    std::vector<std::string> texts;
    std::uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1664525u + 1013904223u;  // a fixed LCG keeps runs comparable
        const auto whole = 100'000'000 + state % 900'000'000;
        texts.push_back(std::to_string(whole) + "." + std::to_string(10 + state % 90));
    }
    return texts;
}

void BM_Request(benchmark::State& state) {
    const auto texts = amounts();
    const numora::Separators separators{".", ""};
    const numora::Style style{};
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = numora::request(texts[i++ % texts.size()], separators, style);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Request);

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
