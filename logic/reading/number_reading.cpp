#include "logic/reading/number_reading.h"

#include "logic/places/days.h"
#include "logic/reading/digits.h"
#include "logic/reading/place_reading.h"
#include "logic/reading/special_values.h"
#include "runtime/core/val.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace vardelis {
namespace {

// A person whose number's year reads in two centuries is said to be born in either while the
// earlier would make them at most this old: France counts a few dozen people older than 110.
constexpr int oldest_age_read_both_ways = 110;
// The earlier century is read at all only for an age someone has reached: Jeanne Calment's,
// 122, the oldest ever verified.
constexpr int oldest_age_ever = 122;

// A part as the key reads it, without the blanks it skips.
std::string without_blanks(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !runtime::is_blank(c); });
    return kept;
}

// Corsica's departments in capitals, as the lists write them.
std::string department_code(std::string department) {
    if (department.size() == 2 && department[0] == '2' &&
        (department[1] == 'a' || department[1] == 'b')) {
        department[1] = static_cast<char>(department[1] - 'a' + 'A');
    }
    return department;
}

// What the first digit says: a sex, a provisional number, or nothing.
SexReading read_sex(const std::string& sex) {
    if (!is_digits(sex, 1)) {
        return {SexReading::Kind::unreadable, 0};
    }
    const char digit = sex.front();
    if (digit == '1' || digit == '2') {
        return {digit == '1' ? SexReading::Kind::man : SexReading::Kind::woman, digit};
    }
    if (special_meaning(NumberPart::sex, digit - '0') == SpecialMeaning::provisional_number) {
        return {SexReading::Kind::provisional, digit};
    }
    return {SexReading::Kind::other_digit, digit};
}

std::optional<Finding> sex_finding(const SexReading& sex) {
    const std::string digit(1, sex.digit);
    switch (sex.kind) {
    case SexReading::Kind::provisional:
        return Finding{
            .kind = Finding::Kind::provisional_number, .weight = Weight::nothing, .code = digit};
    case SexReading::Kind::other_digit:
        return Finding{
            .kind = Finding::Kind::sex_not_said, .weight = Weight::to_check, .code = digit};
    default:
        return std::nullopt;
    }
}

// The month of the calendar that the part gives, if it gives one.
std::optional<int> calendar_month(const std::string& month) {
    if (const int number = is_digits(month, 2) ? number_of(month) : 0;
        number >= 1 && number <= 12) {
        return number;
    }
    return std::nullopt;
}

// What there is to tell about a month of two digits that is none of the calendar.
std::optional<Finding> month_finding(const std::string& month) {
    if (!is_digits(month, 2) || calendar_month(month)) {
        return std::nullopt;
    }
    if (special_meaning(NumberPart::month, number_of(month)) == SpecialMeaning::month_not_given) {
        return Finding{
            .kind = Finding::Kind::month_not_given, .weight = Weight::nothing, .code = month};
    }
    return Finding{.kind = Finding::Kind::not_a_month, .weight = Weight::to_check, .code = month};
}

BirthDate birth_in(std::optional<int> year, std::optional<int> month) {
    BirthDate birth{year, month, {}};
    if (year) {
        const auto first_month = static_cast<unsigned>(month.value_or(1));
        birth.days.first_day = places::day_of(*year, first_month);
        birth.days.end_day = month && *month < 12 ? places::day_of(*year, first_month + 1)
                                                  : places::day_of(*year + 1, 1);
    }
    return birth;
}

struct Parts {
    std::string department;
    std::string commune;
};

BirthReading read_birth(const Parts& parts, const BirthDate& date) {
    BirthReading birth{date, {}, {}};
    const bool department_readable =
        is_digits(parts.department, 2) || parts.department == "2A" || parts.department == "2B";
    if (department_readable) {
        PlaceReading place = read_place(parts.department, parts.commune, date);
        birth.place = std::move(place.place);
        birth.findings = std::move(place.findings);
    }
    return birth;
}

// The ways of reading the date and place: 20yy up to today, 19yy otherwise; where both
// centuries can be read, the one whose place exists, and both where both fit a living person.
std::vector<BirthReading> read_births(const std::string& year, std::optional<int> month,
                                      const Parts& parts, std::chrono::year_month today) {
    if (!is_digits(year, 2)) {
        return {read_birth(parts, birth_in(std::nullopt, month))};
    }
    const int last_two = number_of(year);
    const int this_year = static_cast<int>(today.year());
    BirthReading earlier = read_birth(parts, birth_in(1900 + last_two, month));
    const int later_year = 2000 + last_two;
    const bool later_is_past =
        later_year < this_year ||
        (later_year == this_year &&
         month.value_or(1) <= static_cast<int>(static_cast<unsigned>(today.month())));
    if (!later_is_past) {
        return {std::move(earlier)};
    }
    BirthReading later = read_birth(parts, birth_in(later_year, month));
    const int earlier_age = this_year - (1900 + last_two);
    if (earlier_age > oldest_age_ever || earlier.weight() > later.weight()) {
        return {std::move(later)};
    }
    if (earlier.weight() == later.weight()) {
        if (later.weight() == Weight::nothing && earlier_age <= oldest_age_read_both_ways) {
            return {std::move(later), std::move(earlier)};
        }
        return {std::move(later)};
    }
    // The later century does not fit where the earlier does: the earlier, said with the age it
    // gives where few people reach it.
    if (earlier_age > oldest_age_read_both_ways) {
        earlier.findings.push_back({.kind = Finding::Kind::earlier_century,
                                    .weight = Weight::to_check,
                                    .code = year,
                                    .about = std::to_string(later_year),
                                    .name = std::to_string(1900 + last_two),
                                    .where = std::to_string(earlier_age)});
    }
    return {std::move(earlier)};
}

Weight heaviest(const std::vector<Finding>& findings) {
    return std::accumulate(
        findings.begin(), findings.end(), Weight::nothing,
        [](Weight weight, const Finding& finding) { return std::max(weight, finding.weight); });
}

} // namespace

std::optional<SpecialMeaning> special_meaning(NumberPart part, int value) {
    const auto found = std::find_if(
        special_values.begin(), special_values.end(), [=](const SpecialValue& special) {
            return special.part == part && value >= special.first && value <= special.last;
        });
    return found == special_values.end() ? std::nullopt : std::optional(found->meaning);
}

Weight BirthReading::weight() const {
    return heaviest(findings);
}

Weight NumberReading::weight() const {
    Weight lightest_birth = Weight::impossible;
    for (const BirthReading& birth : births) {
        lightest_birth = std::min(lightest_birth, birth.weight());
    }
    const Weight parts = unreadable.empty() ? Weight::nothing : Weight::to_check;
    return std::max({heaviest(findings), lightest_birth, parts});
}

NumberReading read_number(const KeyInputs& parts, std::chrono::year_month today) {
    NumberReading reading;
    reading.sex = read_sex(without_blanks(parts.sex));
    const std::string year = without_blanks(parts.year);
    const std::string month = without_blanks(parts.month);
    for (const std::optional<Finding>& finding : {sex_finding(reading.sex), month_finding(month)}) {
        if (finding) {
            reading.findings.push_back(*finding);
        }
    }
    const Parts place{department_code(without_blanks(parts.department)),
                      without_blanks(parts.commune)};
    reading.births = read_births(year, calendar_month(month), place, today);

    const std::array<std::pair<bool, UnreadablePart>, 6> checks = {{
        {reading.sex.kind == SexReading::Kind::unreadable, UnreadablePart::sex},
        {!is_digits(year, 2), UnreadablePart::year},
        {!is_digits(month, 2), UnreadablePart::month},
        {!is_digits(place.department, 2) && place.department != "2A" && place.department != "2B",
         UnreadablePart::department},
        {!is_digits(place.commune, 3), UnreadablePart::commune},
        {!is_digits(without_blanks(parts.rank), 3), UnreadablePart::rank},
    }};
    for (const auto& [unreadable, part] : checks) {
        if (unreadable) {
            reading.unreadable.push_back(part);
        }
    }
    return reading;
}

} // namespace vardelis
