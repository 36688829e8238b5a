#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Finding a place of birth by its name, as it was named at a date: the communes, municipal
// arrondissements and countries of the table of places, under each of their names.
namespace vardelis::places {

// The days [first_day, end_day) as the table of places counts them.
struct DayRange {
    std::int32_t first_day;
    std::int32_t end_day;
};

// A name as people type it, made comparable: without accents, capitals, hyphens or apostrophes,
// its words separated by one blank, "St" and "Ste" written out: "Saint-Étienne", "st etienne"
// and "ST-ÉTIENNE" all give "saint etienne".
[[nodiscard]] std::string folded_name(std::string_view name);

// A place that a name stood for at some of the days asked about.
struct PlaceFound {
    // Its code's key (38185; 99134 for a country).
    std::uint32_t key = 0;
    // Its name then: "Grenoble", "Tchécoslovaquie".
    std::string name;
    // Its department then ("Isère", "Seine-et-Oise"), empty for a country.
    std::string department;

    bool operator==(const PlaceFound&) const = default;
};

// How well a place's name answers what was typed.
enum class NameMatch : std::uint8_t { whole, start, word_start };

// Every name that the table gave a place since 1943, folded, with its days.
class PlaceIndex {
public:
    // The index of the table built into the program, made from it at once.
    PlaceIndex();
    // The program's one index of that table, made the first time it is asked for.
    static const PlaceIndex& built_in();

    // The places whose name starts with what is typed, or one of whose words does, at one of the
    // days (at any day when none are given): whole names first, then names that start so, then
    // names with such a word; shorter names first in each. At most that many.
    [[nodiscard]] std::vector<PlaceFound>
    propose(std::string_view typed, std::span<const DayRange> days, std::size_t at_most) const;
    // The places with just that name at one of the days (at any day when none are given).
    [[nodiscard]] std::vector<PlaceFound> named(std::string_view typed,
                                                std::span<const DayRange> days) const;

private:
    struct Entry {
        std::uint32_t key;
        std::int32_t first_day;
        std::int32_t end_day;
        std::string name;
        std::string folded;
    };

    [[nodiscard]] std::vector<PlaceFound> found(std::string_view typed,
                                                std::span<const DayRange> days, NameMatch worst,
                                                std::size_t at_most) const;

    std::vector<Entry> entries_;
};

} // namespace vardelis::places
