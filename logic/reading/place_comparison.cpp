#include "logic/reading/place_comparison.h"

#include "logic/places/places.h"

#include <algorithm>

namespace vardelis {
namespace {

// The keys that stand for the number's place: its own code's, and the commune's of an extension
// code.
std::vector<std::uint32_t> keys_of(const BirthReading& birth) {
    std::vector<std::uint32_t> keys;
    const std::optional<std::uint32_t> key = places::commune_key(birth.place.code);
    if (!key) {
        return keys;
    }
    keys.push_back(*key);
    if (const std::optional<std::uint32_t> commune =
            places::commune_key(birth.place.extension_of)) {
        keys.push_back(*commune);
    }
    return keys;
}

std::optional<PlaceComparison> compared(const BirthReading& birth, std::string_view typed) {
    const bool named = birth.place.kind == Place::Kind::commune ||
                       (birth.place.kind == Place::Kind::abroad && !birth.place.name.name.empty());
    if (!named) {
        return std::nullopt;
    }
    std::vector<places::DayRange> days;
    if (birth.date.year) {
        days.push_back({birth.date.days.first_day, birth.date.days.end_day});
    }
    const std::vector<places::PlaceFound> found = places::PlaceIndex::built_in().named(typed, days);
    if (found.empty()) {
        return std::nullopt;
    }
    PlaceComparison comparison{.number_code = birth.place.code,
                               .number_name = birth.place.name.name,
                               .typed_name = found.front().name,
                               .typed_codes = {},
                               .birth = birth.date};
    const std::vector<std::uint32_t> keys = keys_of(birth);
    for (const places::PlaceFound& place : found) {
        comparison.same =
            comparison.same || std::find(keys.begin(), keys.end(), place.key) != keys.end();
        std::string code = places::commune_code(place.key);
        if (std::find(comparison.typed_codes.begin(), comparison.typed_codes.end(), code) ==
            comparison.typed_codes.end()) {
            comparison.typed_codes.push_back(std::move(code));
        }
    }
    return comparison;
}

} // namespace

std::vector<places::DayRange> birth_days(const NumberReading& reading) {
    std::vector<places::DayRange> days;
    for (const BirthReading& birth : reading.births) {
        if (!birth.date.year) {
            return {};
        }
        days.push_back({birth.date.days.first_day, birth.date.days.end_day});
    }
    return days;
}

std::optional<PlaceComparison> compare_place(const NumberReading& reading, std::string_view typed) {
    // Nothing typed: the index of names is not even made.
    if (places::folded_name(typed).empty()) {
        return std::nullopt;
    }
    // Where the year reads in two centuries, the one that matches the name tells.
    std::optional<PlaceComparison> first;
    for (const BirthReading& birth : reading.births) {
        std::optional<PlaceComparison> comparison = compared(birth, typed);
        if (comparison && comparison->same) {
            return comparison;
        }
        if (!first) {
            first = std::move(comparison);
        }
    }
    return first;
}

} // namespace vardelis
