#pragma once

#include "logic/reading/number_reading.h"

#include <string>

namespace vardelis {

// The reading's weight in a few words: « Rien à signaler », « À vérifier », « Numéro
// impossible ».
[[nodiscard]] std::string verdict_in_french(Weight weight);

// What the reading found, in plain French, for the person who compares it with the papers in
// front of them: first what weighs (what cannot be, then what to check), then the sex, the
// month and year of birth and the place as it was named then ("Homme, né en mai 1985 à
// Versailles (Yvelines)."), then what is worth knowing. Lines end with a line feed between them.
[[nodiscard]] std::string in_french(const NumberReading& reading);

} // namespace vardelis
