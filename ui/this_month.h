#pragma once

#include <QDate>
#include <chrono>

namespace vardelis {

// This month, by the user's own clock: what the reading takes for today.
[[nodiscard]] inline std::chrono::year_month this_month() {
    const QDate today = QDate::currentDate();
    return std::chrono::year{today.year()} /
           std::chrono::month{static_cast<unsigned>(today.month())};
}

} // namespace vardelis
