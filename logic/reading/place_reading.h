#pragma once

#include "logic/reading/number_reading.h"

#include <string>
#include <vector>

namespace vardelis {

// The place of birth that a department ("78", "2A", "99", "97") and a commune part give, named
// as at the birth, with what the lists find to tell about it.
struct PlaceReading {
    Place place;
    std::vector<Finding> findings;
};

// The department and the commune part as the number gives them, without blanks, the
// department's letters in capitals; the department has two characters.
[[nodiscard]] PlaceReading read_place(std::string_view department, std::string_view commune,
                                      const BirthDate& birth);

} // namespace vardelis
