// Times the reading of a number, found and said in French, on random numbers (mostly codes that
// name nothing, the slowest path: every date of a code is read) and on real-looking ones (two
// centuries, extension codes, renamed places, countries), beside compute_key on the same numbers
// in the same binary. A reading must stay well under a millisecond, so that the window follows
// each key pressed.

#include "bench/random_numbers.h"
#include "logic/logic.h"
#include "logic/reading/number_reading.h"
#include "logic/reading/reading_in_french.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr std::chrono::year_month today = std::chrono::year{2026} / std::chrono::December;

const std::vector<vardelis::KeyInputs> real_looking = {
    {"1", "85", "05", "78", "646", "084"}, {"1", "24", "05", "24", "291", "001"},
    {"1", "25", "05", "75", "044", "001"}, {"1", "85", "05", "75", "215", "001"},
    {"1", "70", "04", "04", "070", "001"}, {"1", "80", "05", "99", "116", "001"},
    {"2", "62", "30", "99", "352", "001"}, {"1", "65", "01", "92", "012", "001"},
};

template <typename Work>
void over(benchmark::State& state, const std::vector<vardelis::KeyInputs>& numbers, Work work) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(work(numbers[i++ % numbers.size()]));
    }
}

std::string reading_in_french(const vardelis::KeyInputs& number) {
    return vardelis::in_french(vardelis::read_number(number, today));
}

std::string key(const vardelis::KeyInputs& number) {
    return vardelis::compute_key(number, ",");
}

void BM_ComputeKey_Random(benchmark::State& state) {
    over(state, vardelis::bench::random_numbers(), key);
}
void BM_Reading_Random(benchmark::State& state) {
    over(state, vardelis::bench::random_numbers(), reading_in_french);
}
void BM_ComputeKey_RealLooking(benchmark::State& state) {
    over(state, real_looking, key);
}
void BM_Reading_RealLooking(benchmark::State& state) {
    over(state, real_looking, reading_in_french);
}

} // namespace

BENCHMARK(BM_ComputeKey_Random)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reading_Random)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeKey_RealLooking)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Reading_RealLooking)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
