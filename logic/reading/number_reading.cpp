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

// A part as the key reads it, without the blanks it skips: the part itself where it has none.
// Corsica's departments go in capitals, as the lists write them.
class Cleaned {
public:
    explicit Cleaned(std::string_view text)
        : view_(text) {
        const bool corsica =
            text.size() == 2 && text[0] == '2' && (text[1] == 'a' || text[1] == 'b');
        if (corsica || std::any_of(text.begin(), text.end(), runtime::is_blank)) {
            std::copy_if(text.begin(), text.end(), std::back_inserter(kept_),
                         [](char c) { return !runtime::is_blank(c); });
            if (corsica) {
                kept_[1] = static_cast<char>(kept_[1] - 'a' + 'A');
            }
            view_ = kept_;
        }
    }
    Cleaned(const Cleaned&) = delete;
    Cleaned& operator=(const Cleaned&) = delete;

    [[nodiscard]] std::string_view view() const { return view_; }

private:
    std::string kept_;
    std::string_view view_;
};

// What the first digit says: a sex, a provisional number, or nothing.
SexReading read_sex(std::string_view sex) {
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
std::optional<int> calendar_month(std::string_view month) {
    if (const int number = is_digits(month, 2) ? number_of(month) : 0;
        number >= 1 && number <= 12) {
        return number;
    }
    return std::nullopt;
}

// What there is to tell about a month of two digits that is none of the calendar.
std::optional<Finding> month_finding(std::string_view month) {
    if (!is_digits(month, 2) || calendar_month(month)) {
        return std::nullopt;
    }
    if (special_meaning(NumberPart::month, number_of(month)) == SpecialMeaning::month_not_given) {
        return Finding{.kind = Finding::Kind::month_not_given,
                       .weight = Weight::nothing,
                       .code = std::string(month)};
    }
    return Finding{
        .kind = Finding::Kind::not_a_month, .weight = Weight::to_check, .code = std::string(month)};
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
    std::string_view department;
    std::string_view commune;
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
// One way of reading, moved in: a list made from braces would copy it.
std::vector<BirthReading> only(BirthReading birth) {
    std::vector<BirthReading> births;
    births.push_back(std::move(birth));
    return births;
}

std::vector<BirthReading> read_births(std::string_view year, std::optional<int> month,
                                      const Parts& parts, std::chrono::year_month today) {
    if (!is_digits(year, 2)) {
        return only(read_birth(parts, birth_in(std::nullopt, month)));
    }
    const int last_two = number_of(year);
    const int this_year = static_cast<int>(today.year());
    const int later_year = 2000 + last_two;
    const bool later_is_past =
        later_year < this_year ||
        (later_year == this_year &&
         month.value_or(1) <= static_cast<int>(static_cast<unsigned>(today.month())));
    if (!later_is_past) {
        return only(read_birth(parts, birth_in(1900 + last_two, month)));
    }
    BirthReading later = read_birth(parts, birth_in(later_year, month));
    const int earlier_age = this_year - (1900 + last_two);
    // The earlier century counts only for an age someone has reached, and is said beside a later
    // one that fits only up to the age many reach.
    if (earlier_age > oldest_age_ever ||
        (later.weight() == Weight::nothing && earlier_age > oldest_age_read_both_ways)) {
        return only(std::move(later));
    }
    BirthReading earlier = read_birth(parts, birth_in(1900 + last_two, month));
    if (earlier.weight() > later.weight()) {
        return only(std::move(later));
    }
    if (earlier.weight() == later.weight()) {
        if (later.weight() == Weight::nothing && earlier_age <= oldest_age_read_both_ways) {
            std::vector<BirthReading> both;
            both.push_back(std::move(later));
            both.push_back(std::move(earlier));
            return both;
        }
        return only(std::move(later));
    }
    // The later century does not fit where the earlier does: the earlier, said with the age it
    // gives where few people reach it.
    if (earlier_age > oldest_age_read_both_ways) {
        earlier.findings.push_back({.kind = Finding::Kind::earlier_century,
                                    .weight = Weight::to_check,
                                    .code = std::string(year),
                                    .about = std::to_string(later_year),
                                    .name = std::to_string(1900 + last_two),
                                    .where = std::to_string(earlier_age)});
    }
    return only(std::move(earlier));
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
    const Cleaned sex(parts.sex);
    const Cleaned year(parts.year);
    const Cleaned month(parts.month);
    const Cleaned department(parts.department);
    const Cleaned commune(parts.commune);
    const Cleaned rank(parts.rank);
    reading.sex = read_sex(sex.view());
    for (const std::optional<Finding>& finding :
         {sex_finding(reading.sex), month_finding(month.view())}) {
        if (finding) {
            reading.findings.push_back(*finding);
        }
    }
    const Parts place{department.view(), commune.view()};
    reading.births = read_births(year.view(), calendar_month(month.view()), place, today);

    const std::array<std::pair<bool, UnreadablePart>, 6> checks = {{
        {reading.sex.kind == SexReading::Kind::unreadable, UnreadablePart::sex},
        {!is_digits(year.view(), 2), UnreadablePart::year},
        {!is_digits(month.view(), 2), UnreadablePart::month},
        {!is_digits(place.department, 2) && place.department != "2A" && place.department != "2B",
         UnreadablePart::department},
        {!is_digits(place.commune, 3), UnreadablePart::commune},
        {!is_digits(rank.view(), 3), UnreadablePart::rank},
    }};
    for (const auto& [unreadable, part] : checks) {
        if (unreadable) {
            reading.unreadable.push_back(part);
        }
    }
    return reading;
}

} // namespace vardelis
