// Times a list of 100 000 lines checked by the list window, a slice at a time with the table
// showing them, beside the same lines checked by its model alone, in one go and with no window;
// and counts the longest the window's event loop waited between two turns while it checked
// them. Runs offscreen unless told otherwise.

#include "ui/list_model.h"
#include "ui/list_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr int list_lines = 100'000;

// A line in ten with a wrong key, the others right, as a payroll export writes them.
std::vector<std::string> list() {
    std::vector<std::string> lines;
    lines.reserve(list_lines);
    for (int line = 0; line < list_lines; ++line) {
        lines.emplace_back(line % 10 == 0 ? "Dupont;000123;1 85 05 78 646 084 72"
                                          : "Martin;000124;1 85 05 78 646 084 97");
    }
    return lines;
}

QByteArray list_text() {
    QByteArray text;
    for (const std::string& line : list()) {
        text += QByteArray::fromStdString(line) + "\r\n";
    }
    return text;
}

void BM_ListModelAllAtOnce(benchmark::State& state) {
    const std::vector<std::string> lines = list();
    for (auto _ : state) {
        vardelis::ListModel model;
        model.start(std::chrono::year{2026} / std::chrono::December);
        model.add_lines(lines);
        benchmark::DoNotOptimize(model.rowCount());
    }
}

void BM_ListWindowInSlices(benchmark::State& state) {
    const QByteArray text = list_text();
    qint64 longest_wait = 0;
    for (auto _ : state) {
        vardelis::ListWindow window;
        window.show();
        window.check_text(text);
        QElapsedTimer turn;
        while (window.checking()) {
            turn.start();
            QCoreApplication::processEvents();
            longest_wait = std::max(longest_wait, turn.elapsed());
        }
    }
    state.counters["longest_wait_ms"] = static_cast<double>(longest_wait);
}

} // namespace

BENCHMARK(BM_ListModelAllAtOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListWindowInSlices)->Unit(benchmark::kMillisecond);
