// Prints every code of the built-in table of places as the program reads it, in the form of
// `scripts/data/make-tables --listing`, so that the two can be compared line for line. Fails
// when the table's stream is corrupt.

#include "logic/places/places.h"

#include <iostream>

int main() {
    using vardelis::places::Commune;
    vardelis::places::CommuneReader reader;
    while (const std::optional<Commune> commune = reader.next()) {
        std::cout << vardelis::places::commune_code(commune->key) << ": ";
        for (const Commune::Period& period : commune->periods) {
            std::cout << (&period == commune->periods.data() ? "" : " | ")
                      << (period.first_day == vardelis::places::no_start ? 0 : period.first_day)
                      << ' ' << (period.name.empty() ? "-" : period.name);
        }
        std::cout << " => ";
        switch (commune->today) {
        case Commune::Today::itself:
            std::cout << vardelis::places::commune_code(commune->key)
                      << (commune->renamed_today.empty() ? "" : " ") << commune->renamed_today;
            break;
        case Commune::Today::elsewhere:
            std::cout << vardelis::places::commune_code(commune->today_key);
            break;
        case Commune::Today::unknown:
            std::cout << '?';
            break;
        }
        std::cout << '\n';
    }
    return reader.corrupt() ? 1 : 0;
}
