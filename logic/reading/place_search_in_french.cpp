#include "logic/reading/place_search_in_french.h"

#include "logic/places/places.h"
#include "logic/reading/french_dates.h"
#include "logic/reading/written_code.h"

namespace vardelis {

std::string proposal_in_french(const places::PlaceFound& place) {
    std::string text = place.name;
    text += " (";
    text += place.department.empty() ? "étranger" : place.department;
    text += ") ";
    text += french::written_code(places::commune_code(place.key));
    return text;
}

std::string comparison_in_french(const PlaceComparison& comparison) {
    std::string text = comparison.same ? "Le numéro dit bien " : "Le numéro dit ";
    text += comparison.number_name;
    text += " (";
    text += french::written_code(comparison.number_code);
    text += ")";
    if (comparison.same) {
        return text + ".";
    }
    text += "\u00A0; ";
    text += comparison.typed_name;
    if (comparison.birth.year) {
        text += ", en ";
        text += french::month_and_year(comparison.birth);
    }
    text += ", c'est ";
    for (std::size_t code = 0; code < comparison.typed_codes.size(); ++code) {
        if (code > 0) {
            text += code + 1 == comparison.typed_codes.size() ? " ou " : ", ";
        }
        text += french::written_code(comparison.typed_codes[code]);
    }
    return text + ".";
}

} // namespace vardelis
