#include "logic/number_reading.h"

#include "logic/places/days.h"
#include "logic/places/places.h"
#include "runtime/core/val.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

namespace vardelis {
namespace {

using places::Commune;
using places::DepartmentPeriod;
using places::no_end;
using places::no_start;

// French typography puts a no-break space before a colon.
constexpr std::string_view colon = "\u00A0: ";

constexpr std::array<std::string_view, 12> month_names = {
    "janvier", "février", "mars",      "avril",   "mai",      "juin",
    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

std::string year_text(std::int32_t day) {
    return std::to_string(places::year_of(day));
}

// A part as the key reads it, without the blanks it skips.
std::string without_blanks(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !runtime::is_blank(c); });
    return kept;
}

bool is_digits(std::string_view text, std::size_t width) {
    return text.size() == width && std::all_of(text.begin(), text.end(), runtime::is_digit);
}

int number_of(std::string_view digits) {
    return std::accumulate(digits.begin(), digits.end(), 0,
                           [](int number, char digit) { return number * 10 + (digit - '0'); });
}

// When the birth took place, as far as the number tells: the days [first, end).
struct Birth {
    std::optional<int> year;
    std::optional<int> month;
    std::int32_t first = no_start;
    std::int32_t end = no_end;

    // "mai 1985", "1985", "mai", or nothing.
    [[nodiscard]] std::string when() const {
        const std::string_view name = month ? month_names.at(*month - 1) : "";
        if (!year) {
            return std::string(name);
        }
        return concat({name, name.empty() ? "" : " ", std::to_string(*year)});
    }
    // The lists of communes are sure from 1943 on, for a birth whose year is known.
    [[nodiscard]] bool dated_since_the_lists() const { return year && first >= 0; }
};

bool overlaps(std::int32_t first, std::int32_t end, const Birth& birth) {
    return first < birth.end && end > birth.first;
}

// The reading as it is built: the pieces of its first sentence, and the lines after it.
struct Reading {
    // "Homme" and "né", "Femme" and "née", or nothing when the number does not say.
    std::string sex;
    std::string born;
    std::string when;
    std::string where;
    std::vector<std::string> lines;
    std::vector<std::string> unreadable;
};

// "jusqu'en 1967", "depuis 1976", "de 1943 à 1967", or nothing for all time.
std::string span_of_years(std::int32_t first, std::int32_t end) {
    if (first == no_start) {
        return end == no_end ? "" : concat({"jusqu'en ", year_text(end - 1)});
    }
    if (end == no_end) {
        return concat({"depuis ", year_text(first)});
    }
    return concat({"de ", year_text(first), " à ", year_text(end - 1)});
}

std::string named_with_years(std::string_view name, std::int32_t first, std::int32_t end) {
    const std::string years = span_of_years(first, end);
    return years.empty() ? std::string(name) : concat({name, " ", years});
}

// The department's period in which the day falls, if any.
const DepartmentPeriod* department_on(std::span<const DepartmentPeriod> history, std::int32_t day) {
    const auto found = std::find_if(history.begin(), history.end(), [day](const auto& period) {
        return period.first_day <= day && day < period.end_day;
    });
    return found == history.end() ? nullptr : &*found;
}

// The last period of the department that the birth falls in, if any.
const DepartmentPeriod* department_during(std::span<const DepartmentPeriod> history,
                                          const Birth& birth) {
    const auto found = std::find_if(history.rbegin(), history.rend(), [&birth](const auto& period) {
        return overlaps(period.first_day, period.end_day, birth);
    });
    return found == history.rend() ? nullptr : &*found;
}

std::string_view todays_department(std::uint32_t key) {
    const std::span<const DepartmentPeriod> history =
        places::department_history(places::department_of(key));
    return history.empty() ? std::string_view() : history.back().name;
}

// "à Versailles", and "au Havre", "aux Lilas" for names that start with an article.
std::string at(std::string_view name) {
    if (name.starts_with("Le ")) {
        return concat({"au ", name.substr(3)});
    }
    if (name.starts_with("Les ")) {
        return concat({"aux ", name.substr(4)});
    }
    return concat({"à ", name});
}

// Paris's arrondissements, Saint-Martin: the commune names its department already.
bool names_its_department(std::string_view commune, std::string_view department) {
    return commune == department ||
           (commune.starts_with(department) && commune.substr(department.size()).starts_with(' '));
}

// "à Versailles (Yvelines)", with what the place is called today where that changed:
// "à Levallois-Perret (Seine, aujourd'hui Hauts-de-Seine)", "à Amareins (Ain), aujourd'hui
// Francheleins".
std::string place_of(const std::string& name, std::string_view department, const Commune& commune) {
    const std::optional<places::TodaysCommune> today = places::todays_commune(commune);
    const std::string_view department_today =
        today ? todays_department(today->key) : std::string_view();
    const bool renamed = today && today->name != name;
    const bool moved = today && !department_today.empty() && department_today != department;
    std::string text = at(name);
    if (!names_its_department(name, department)) {
        text += concat({" (", department, moved && !renamed ? ", aujourd'hui " : "",
                        moved && !renamed ? department_today : "", ")"});
    }
    if (renamed) {
        text += concat({", aujourd'hui ", today->name});
        if (moved && !names_its_department(today->name, department_today)) {
            text += concat({" (", department_today, ")"});
        }
    }
    return text;
}

// What the code named at other times than the birth: the last name before it, or else the first
// after it.
std::string other_times(const Commune& commune, const Birth& birth) {
    std::string before;
    std::string after;
    for (std::size_t i = 0; i < commune.periods.size(); ++i) {
        const Commune::Period& period = commune.periods[i];
        if (period.name.empty()) {
            continue;
        }
        if (commune.end_of(i) <= birth.first) {
            before = named_with_years(period.name, period.first_day, commune.end_of(i));
        } else if (period.first_day >= birth.end && after.empty()) {
            after = named_with_years(period.name, period.first_day, commune.end_of(i));
        }
    }
    return before.empty() ? after : before;
}

// The last period of the commune's names that the birth falls in, if any.
std::optional<std::size_t> named_during(const Commune& commune, const Birth& birth) {
    for (std::size_t i = commune.periods.size(); i-- > 0;) {
        if (!commune.periods[i].name.empty() &&
            overlaps(commune.periods[i].first_day, commune.end_of(i), birth)) {
            return i;
        }
    }
    return std::nullopt;
}

void read_commune(const std::string& department, const std::string& commune_code,
                  std::span<const DepartmentPeriod> history, const DepartmentPeriod& period,
                  const Birth& birth, Reading& reading) {
    const std::optional<Commune> commune =
        places::find_commune(places::commune_key(department + commune_code).value_or(0));
    const std::optional<std::size_t> named = commune ? named_during(*commune, birth) : std::nullopt;
    if (named) {
        // The department as it was named on the last day of the birth's period when the commune
        // had that name.
        const DepartmentPeriod* then =
            department_on(history, std::min(birth.end, commune->end_of(*named)) - 1);
        const std::string_view department_name = then ? then->name : period.name;
        reading.where =
            concat({" ", place_of(commune->periods[*named].name, department_name, *commune)});
        return;
    }
    reading.where = concat({" ", period.in_it});
    const bool sure =
        birth.dated_since_the_lists() && period.communes == places::CommunesKnown::dated;
    std::string line =
        sure ? concat({"Aucune commune ", commune_code, " ", period.in_it, " en ", birth.when()})
             : concat({"Pas de commune ", commune_code, " connue ", period.in_it});
    const std::string other = commune ? other_times(*commune, birth) : std::string();
    if (!other.empty()) {
        line += concat({colon, other});
    }
    reading.lines.push_back(concat({line, "."}));
}

void read_place(const std::string& department, const std::string& commune, const Birth& birth,
                Reading& reading) {
    if (department == "99") {
        reading.where = " à l'étranger";
        if (is_digits(commune, 3)) {
            if (const auto country = places::country(number_of(commune))) {
                reading.where += concat({" (", *country, ")"});
            } else {
                reading.lines.push_back(
                    concat({"Aucun pays ", commune, " dans la liste des pays d'aujourd'hui."}));
            }
        }
        return;
    }
    const bool overseas = department == "97" || department == "98";
    if (overseas && !is_digits(commune, 3)) {
        reading.where = " outre-mer";
        return;
    }
    const std::string code = overseas ? department + commune.front() : department;
    const std::span<const DepartmentPeriod> history = places::department_history(code);
    const DepartmentPeriod* period = department_during(history, birth);
    if (period == nullptr) {
        // A code never used is no department at any date.
        const bool dated = birth.year && !history.empty();
        std::string line =
            concat({"Aucun département ", code, dated ? " en " : "", dated ? birth.when() : ""});
        for (const DepartmentPeriod& other : history) {
            line += concat({&other == history.data() ? colon : ", ",
                            named_with_years(other.name, other.first_day, other.end_day)});
        }
        reading.lines.push_back(concat({line, "."}));
        return;
    }
    if (!is_digits(commune, 3) || period->communes == places::CommunesKnown::none) {
        reading.where = concat({" ", period->in_it});
        return;
    }
    read_commune(department, commune, history, *period, birth, reading);
}

void read_sex(const std::string& sex, Reading& reading) {
    if (sex == "1") {
        reading.sex = "Homme";
        reading.born = "né";
    } else if (sex == "2") {
        reading.sex = "Femme";
        reading.born = "née";
    } else {
        // The public service's page on the number (service-public.fr, F33078) gives 1 for men and
        // 2 for women, and no other first digit.
        if (is_digits(sex, 1)) {
            reading.lines.push_back(concat({"Le premier chiffre, ", sex, ", ne dit pas le sexe."}));
        } else {
            reading.unreadable.emplace_back("sexe 1");
        }
    }
}

Birth read_date(const std::string& year, const std::string& month, int current_year,
                Reading& reading) {
    Birth birth;
    if (is_digits(year, 2)) {
        const int last_two = number_of(year);
        birth.year = (last_two <= current_year % 100 ? 2000 : 1900) + last_two;
    } else {
        reading.unreadable.emplace_back("année 2");
    }
    if (!is_digits(month, 2)) {
        reading.unreadable.emplace_back("mois 2");
    } else if (const int number = number_of(month); number >= 1 && number <= 12) {
        birth.month = number;
    } else {
        reading.lines.push_back(concat({"Le mois ", month, " n'est pas un mois du calendrier."}));
    }
    if (birth.year) {
        const auto month_first = static_cast<unsigned>(birth.month.value_or(1));
        birth.first = places::day_of(*birth.year, month_first);
        birth.end = birth.month && *birth.month < 12 ? places::day_of(*birth.year, month_first + 1)
                                                     : places::day_of(*birth.year + 1, 1);
    }
    const std::string when = birth.when();
    reading.when = when.empty() ? "" : concat({" en ", when});
    return birth;
}

// Corsica's departments in capitals, as the lists write them.
std::string department_code(std::string department) {
    if (department.size() == 2 && department[0] == '2' &&
        (department[1] == 'a' || department[1] == 'b')) {
        department[1] = static_cast<char>(department[1] - 'a' + 'A');
    }
    return department;
}

std::string joined(const Reading& reading) {
    std::string text;
    if (!reading.when.empty() || !reading.where.empty()) {
        text = reading.sex.empty() ? "Né(e)" : concat({reading.sex, ", ", reading.born});
        text += concat({reading.when, reading.where, "."});
    } else if (!reading.sex.empty()) {
        text = concat({reading.sex, "."});
    }
    std::vector<std::string> lines = reading.lines;
    if (!reading.unreadable.empty()) {
        std::string line = concat({"Chiffres attendus", colon});
        for (const std::string& part : reading.unreadable) {
            line += concat({&part == &reading.unreadable.front() ? "" : ", ", part});
        }
        lines.push_back(concat({line, "."}));
    }
    for (const std::string& line : lines) {
        text += concat({text.empty() ? "" : "\n", line});
    }
    return text;
}

} // namespace

std::string read_number(const KeyInputs& parts, int current_year) {
    Reading reading;
    read_sex(without_blanks(parts.sex), reading);
    const Birth birth =
        read_date(without_blanks(parts.year), without_blanks(parts.month), current_year, reading);
    const std::string department = department_code(without_blanks(parts.department));
    const std::string commune = without_blanks(parts.commune);
    const bool department_readable =
        is_digits(department, 2) || department == "2A" || department == "2B";
    if (department_readable) {
        read_place(department, commune, birth, reading);
    } else {
        reading.unreadable.emplace_back("département 2 (ou 2A, 2B)");
    }
    if (!is_digits(commune, 3)) {
        reading.unreadable.emplace_back("commune 3");
    }
    if (!is_digits(without_blanks(parts.rank), 3)) {
        reading.unreadable.emplace_back("rang 3");
    }
    return joined(reading);
}

} // namespace vardelis
