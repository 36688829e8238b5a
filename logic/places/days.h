#pragma once

#include <chrono>
#include <cstdint>

namespace vardelis::places {

// Days counted from 1 January 1943, as the table of places counts them.
constexpr std::chrono::sys_days first_listed_day =
    std::chrono::year_month_day{std::chrono::year{1943}, std::chrono::January, std::chrono::day{1}};

[[nodiscard]] constexpr std::int32_t day_of(int year, unsigned month) {
    const std::chrono::sys_days date = std::chrono::year_month_day{
        std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{1}};
    return static_cast<std::int32_t>((date - first_listed_day).count());
}

[[nodiscard]] constexpr int year_of(std::int32_t day) {
    const std::chrono::year_month_day date{first_listed_day + std::chrono::days{day}};
    return static_cast<int>(date.year());
}

} // namespace vardelis::places
