#pragma once

#include <chrono>

namespace vardelis::console {

// This month, by the system's clock (in UTC).
[[nodiscard]] inline std::chrono::year_month this_month() {
    const std::chrono::year_month_day today{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return today.year() / today.month();
}

} // namespace vardelis::console
