#pragma once

#include "logic/places/place_search.h"
#include "logic/reading/number_reading.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A place of birth typed by name, from the person's papers, compared with the place the number
// gives: found as data here, said in French by place_search_in_french.h.
namespace vardelis {

// The days of birth that a reading allows: one span for each way of reading its year, none when
// the year cannot be read (any day then).
[[nodiscard]] std::vector<places::DayRange> birth_days(const NumberReading& reading);

struct PlaceComparison {
    // Whether the name is that of the number's place, its extension code included.
    bool same = false;
    // The number's place: its code as the number gives it ("38158") and its name then.
    std::string number_code;
    std::string number_name;
    // The place typed, named as the table names it, and its codes at the birth.
    std::string typed_name;
    std::vector<std::string> typed_codes;
    BirthDate birth;

    // A place that is not the number's is to check against the papers.
    [[nodiscard]] Weight weight() const { return same ? Weight::nothing : Weight::to_check; }
    bool operator==(const PlaceComparison&) const = default;
};

// How the name typed compares with the number's place, when the number names a place and the name
// is that of a place at the birth; nothing otherwise (a name still being typed, a place unknown).
[[nodiscard]] std::optional<PlaceComparison> compare_place(const NumberReading& reading,
                                                           std::string_view typed);

} // namespace vardelis
