// Times compute_key beside the least work that gives a key: 13 digits parsed into an integer,
// "% 97", the key written as text. Both run on the same inputs in the same binary, so that their
// ratio holds on a noisy machine.

#include "bench/random_numbers.h"
#include "logic/logic.h"

#include <array>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const vardelis::KeyInputs start_up_fields{"1", "00", "01", "01", "000", "000"};

std::string baseline_key(const vardelis::KeyInputs& input) {
    std::int64_t number = 0;
    for (const std::string* field :
         {&input.sex, &input.year, &input.month, &input.department, &input.commune, &input.rank}) {
        for (const char digit : *field) {
            number = number * 10 + (digit - '0');
        }
    }
    std::array<char, 4> text{};
    char* end = std::to_chars(text.begin(), text.end(), 97 - number % 97).ptr;
    return {text.data(), end};
}

void BM_Baseline_StartUpFields(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(baseline_key(start_up_fields));
    }
}

void BM_ComputeKey_StartUpFields(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(vardelis::compute_key(start_up_fields, ","));
    }
}

void BM_Baseline_Random13Digits(benchmark::State& state) {
    const auto inputs = vardelis::bench::random_numbers();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(baseline_key(inputs[i++ % inputs.size()]));
    }
}

void BM_ComputeKey_Random13Digits(benchmark::State& state) {
    const auto inputs = vardelis::bench::random_numbers();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vardelis::compute_key(inputs[i++ % inputs.size()], ","));
    }
}

} // namespace

BENCHMARK(BM_Baseline_StartUpFields);
BENCHMARK(BM_ComputeKey_StartUpFields);
BENCHMARK(BM_Baseline_Random13Digits);
BENCHMARK(BM_ComputeKey_Random13Digits);

BENCHMARK_MAIN();
