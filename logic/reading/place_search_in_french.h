#pragma once

#include "logic/places/place_search.h"
#include "logic/reading/place_comparison.h"

#include <string>

namespace vardelis {

// A place proposed for a name: « Grenoble (Isère) 38 185 », « Espagne (étranger) 99 134 ».
[[nodiscard]] std::string proposal_in_french(const places::PlaceFound& place);

// « Le numéro dit Eybens (38 158) ; Grenoble, en juin 1975, c'est 38 185. », or « Le numéro dit
// bien Grenoble (38 185). » when the name typed is the number's place.
[[nodiscard]] std::string comparison_in_french(const PlaceComparison& comparison);

} // namespace vardelis
