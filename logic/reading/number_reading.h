#pragma once

#include "logic/logic.h"
#include "logic/places/place_table.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the six parts of a number say, found from the public lists of places and the public
// descriptions of the number, as data: in_french (reading_in_french.h) says it in words.
namespace vardelis {

// How much a reading has to tell: nothing to look at, something the lists cannot tell (to
// check against the person's papers), or something the lists are sure cannot be.
enum class Weight : std::uint8_t { nothing, to_check, impossible };

// The days [first_day, end_day) as the table of places counts them.
struct DaySpan {
    std::int32_t first_day = places::no_start;
    std::int32_t end_day = places::no_end;

    bool operator==(const DaySpan&) const = default;
};

// A name as it was at the birth, and the name it took if it changed during the birth's days.
template <typename Text> struct Named {
    Text name;
    Text renamed;
    std::int32_t renamed_on = 0;

    bool operator==(const Named&) const = default;
};
using NameAtBirth = Named<std::string>;
// A name of the tables built into the program, which last as long as it does.
using TableNameAtBirth = Named<std::string_view>;

// A name over some days, to say what a code stood for at other dates than the birth.
struct NamedSpan {
    std::string name;
    DaySpan days;
    places::PlaceKind kind = places::PlaceKind::department;

    bool operator==(const NamedSpan&) const = default;
};

struct SexReading {
    enum class Kind : std::uint8_t { man, woman, provisional, other_digit, unreadable };
    Kind kind = Kind::unreadable;
    char digit = 0;

    bool operator==(const SexReading&) const = default;
};

// When the birth took place, as far as the number tells: a month, or a year when the month is
// not given, or nothing when the year cannot be read.
struct BirthDate {
    std::optional<int> year;
    std::optional<int> month;
    DaySpan days;

    bool operator==(const BirthDate&) const = default;
};

// Where the birth took place, named as it was then.
struct Place {
    enum class Kind : std::uint8_t {
        // Nothing can be said: the department cannot be read, or was no place at the birth.
        none,
        // A department, or what its code stood for, without a commune to name.
        department,
        commune,
        // A number whose commune part is not readable, in an overseas department.
        overseas,
        abroad,
    };
    Kind kind = Kind::none;
    // The code as the number gives it: "78646", "99134", "78".
    std::string code;
    // The commune, municipal arrondissement or country, named as at the birth.
    NameAtBirth name;
    // The department of the commune, or the department itself, named as at the birth.
    TableNameAtBirth department;
    // "dans les Yvelines", for the department as at the birth.
    std::string_view department_in;
    places::PlaceKind department_kind = places::PlaceKind::department;
    places::CountryStatus country_status = places::CountryStatus::abroad;
    // The day that status ended, where it did during the birth's days.
    std::int32_t status_ended_on = places::no_end;
    // What the place and its department are called today, where that is not what they were.
    std::string name_today;
    std::string_view department_today;
    // The commune's own code, when the number gives an extension code of it.
    std::string extension_of;

    bool operator==(const Place&) const = default;
};

// Something the reading tells beyond the sentence, with how much it weighs.
struct Finding {
    enum class Kind : std::uint8_t {
        provisional_number,    // code: the first digit
        sex_not_said,          // code: the first digit
        month_not_given,       // code: the month
        not_a_month,           // code: the month
        extension_code,        // code: the commune part; about: the commune's code; name: its name
        no_commune_then,       // code; where: "dans l'Ain"; others
        commune_not_known,     // code; where
        no_department_then,    // code: the department; others
        department_not_yet,    // code: the department; about: the code then; name; where
        country_not_known,     // code: the country's three digits
        born_abroad_in_france, // code: 100
        earlier_century,       // code: the year; about: the later year; name: the earlier one;
                               // where: the age it gives
    };
    Kind kind;
    Weight weight;
    std::string code{};
    std::string about{};
    std::string name{};
    std::string where{};
    // The birth's date, for the findings that depend on it.
    BirthDate birth{};
    // What the code stood for at other dates.
    std::vector<NamedSpan> others{};

    bool operator==(const Finding&) const = default;
};

// One way of reading the number's date and place: there are two where its year can be read in
// two centuries and both fit.
struct BirthReading {
    BirthDate date;
    Place place;
    std::vector<Finding> findings;

    [[nodiscard]] Weight weight() const;
    bool operator==(const BirthReading&) const = default;
};

// A part that does not have the characters it should.
enum class UnreadablePart : std::uint8_t { sex, year, month, department, commune, rank };

struct NumberReading {
    SexReading sex;
    // Findings about the sex and the month, which hold for every way of reading the date.
    std::vector<Finding> findings;
    // At least one.
    std::vector<BirthReading> births;
    std::vector<UnreadablePart> unreadable;

    // The most that the reading has to tell.
    [[nodiscard]] Weight weight() const;
    bool operator==(const NumberReading&) const = default;
};

// What the six parts say, as of today: the year's two digits read 20yy up to today's year, and
// 19yy too where that fits a living person's number better or as well. Blanks are skipped, as
// the key skips them. A number is never called wrong where the public lists are not sure. Any
// text gives a reading.
[[nodiscard]] NumberReading read_number(const KeyInputs& parts, std::chrono::year_month today);

} // namespace vardelis
