#pragma once

#include "logic/logic.h"

#include <string>

namespace vardelis {

// What the six parts of a number say, in plain French, for the person who types it to compare
// with the papers in front of them: the sex, the month and year of birth and the place of birth
// as it was named then ("Homme, né en mai 1985 à Versailles (Yvelines)."), then a line for each
// part that says nothing or cannot be read. The year's two digits are read 20yy up to the current
// year's last two, 19yy above. Blanks are skipped, as the key skips them. A number is never
// called wrong where the public lists of places are not sure. Any text gives a reading, in UTF-8.
[[nodiscard]] std::string read_number(const KeyInputs& parts, int current_year);

} // namespace vardelis
