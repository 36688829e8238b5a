// Times the places proposed for a name as it is typed: every prefix of a name in every hundred of
// the table (every name of every year being in the index searched), and each single letter, the
// prefixes with the most places; at any year and at one year. A key pressed in « Lieu de
// naissance » must show its proposals within 50 ms: the slowest call is reported. And the index
// itself, made on the field's first use.

#include "logic/places/days.h"
#include "logic/places/place_search.h"
#include "logic/places/places.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace {

using vardelis::places::DayRange;
using vardelis::places::PlaceIndex;

// Every prefix of one name in a hundred of the table, and every letter.
std::vector<std::string> prefixes() {
    std::set<std::string> names;
    vardelis::places::CommuneReader reader;
    while (const std::optional<vardelis::places::Commune> commune = reader.next()) {
        for (const auto& period : commune->periods) {
            if (!period.name.empty()) {
                names.insert(period.name);
            }
        }
    }
    std::vector<std::string> typed;
    std::size_t count = 0;
    for (const std::string& name : names) {
        if (count++ % 100 == 0) {
            for (std::size_t length = 1; length <= name.size(); ++length) {
                typed.push_back(name.substr(0, length));
            }
        }
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        typed.emplace_back(1, letter);
    }
    return typed;
}

void propose_each(benchmark::State& state, const std::vector<DayRange>& days) {
    const PlaceIndex& index = PlaceIndex::built_in();
    const std::vector<std::string> typed = prefixes();
    double slowest = 0;
    for (auto _ : state) {
        for (const std::string& text : typed) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(index.propose(text, days, 20));
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            slowest = std::max(slowest, took.count());
        }
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["calls"] = static_cast<double>(typed.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(typed.size()));
}

void BM_ProposeAtAnyYear(benchmark::State& state) {
    propose_each(state, {});
}
BENCHMARK(BM_ProposeAtAnyYear)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ProposeIn1975(benchmark::State& state) {
    propose_each(state, {{vardelis::places::day_of(1975, 1), vardelis::places::day_of(1976, 1)}});
}
BENCHMARK(BM_ProposeIn1975)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_IndexMade(benchmark::State& state) {
    for (auto _ : state) {
        const PlaceIndex index;
        benchmark::DoNotOptimize(&index);
    }
}
BENCHMARK(BM_IndexMade)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
