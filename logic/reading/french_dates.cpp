#include "logic/reading/french_dates.h"

#include "logic/places/days.h"

#include <array>
#include <chrono>
#include <string_view>

namespace vardelis::french {
namespace {

using places::no_end;
using places::no_start;

constexpr std::array<std::string_view, 12> month_names = {
    "janvier", "février", "mars",      "avril",   "mai",      "juin",
    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

std::chrono::year_month_day calendar_date(std::int32_t day) {
    return std::chrono::year_month_day{places::first_listed_day + std::chrono::days{day}};
}

bool starts_a_year(std::int32_t day) {
    const std::chrono::year_month_day when = calendar_date(day);
    return when.month() == std::chrono::January && when.day() == std::chrono::day{1};
}

std::string year_of(std::int32_t day) {
    return std::to_string(static_cast<int>(calendar_date(day).year()));
}

// The first day's words after "de" or "depuis": "1943" for a year, "le 13 avril 1970".
std::string from(std::int32_t first, std::string_view year_word, std::string_view day_word) {
    return starts_a_year(first) ? std::string(year_word) + year_of(first)
                                : std::string(day_word) + date(first);
}

// The last day's words, that of the day before the end: "1967" for a whole year.
std::string to(std::int32_t end, std::string_view year_word, std::string_view day_word) {
    return starts_a_year(end) ? std::string(year_word) + year_of(end - 1)
                              : std::string(day_word) + date(end - 1);
}

} // namespace

std::string month_and_year(const BirthDate& birth) {
    std::string month =
        birth.month ? std::string(month_names.at(static_cast<std::size_t>(*birth.month - 1))) : "";
    if (!birth.year) {
        return month;
    }
    return month.empty() ? std::to_string(*birth.year) : month + " " + std::to_string(*birth.year);
}

std::string date(std::int32_t day) {
    const std::chrono::year_month_day when = calendar_date(day);
    const auto day_of_month = static_cast<unsigned>(when.day());
    return (day_of_month == 1 ? std::string("1er") : std::to_string(day_of_month)) + " " +
           std::string(month_names.at(static_cast<unsigned>(when.month()) - 1)) + " " +
           std::to_string(static_cast<int>(when.year()));
}

std::string span(DaySpan days) {
    if (days.first_day == no_start) {
        return days.end_day == no_end ? "" : to(days.end_day, "jusqu'en ", "jusqu'au ");
    }
    if (days.end_day == no_end) {
        return from(days.first_day, "depuis ", "depuis le ");
    }
    return from(days.first_day, "de ", "du ") + to(days.end_day, " à ", " au ");
}

} // namespace vardelis::french
