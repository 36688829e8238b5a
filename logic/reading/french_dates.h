#pragma once

#include "logic/reading/number_reading.h"

#include <cstdint>
#include <string>

// Dates and spans of days as the table of places counts them, in French words.
namespace vardelis::french {

// "mai 1985", "1985", "mai", or nothing.
[[nodiscard]] std::string month_and_year(const BirthDate& birth);
// "13 avril 1970", "1er janvier 1968".
[[nodiscard]] std::string date(std::int32_t day);
// "jusqu'en 1967" (to the end of a year), "jusqu'au 2 juillet 1962", "depuis 1968", "depuis le
// 13 avril 1970", "de 1943 à 1967", "du 18 janvier 1955 au 2 juillet 1962", or nothing for all
// time.
[[nodiscard]] std::string span(DaySpan days);

} // namespace vardelis::french
