#include "logic/reading/place_reading.h"

#include "logic/places/places.h"
#include "logic/reading/digits.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vardelis {
namespace {

using places::Commune;
using places::CountryPeriod;
using places::DepartmentPeriod;

bool overlaps(DaySpan span, const BirthDate& birth) {
    return span.first_day < birth.days.end_day && span.end_day > birth.days.first_day;
}

// The commune code that a department ("78", "974") and a commune part ("646", "411") make.
std::string code_of(std::string_view department, std::string_view commune_part) {
    std::string code(department);
    code += department.size() == 3 ? commune_part.substr(1) : commune_part;
    return code;
}

std::uint32_t key_of(std::string_view department, std::string_view commune_part) {
    return places::commune_key(code_of(department, commune_part)).value_or(0);
}

// A name over some days, as the tables hold it.
struct Span {
    std::string_view name;
    DaySpan days;
    places::PlaceKind kind = places::PlaceKind::department;
};

Span span_of(const DepartmentPeriod& period) {
    return {period.name, {period.first_day, period.end_day}, period.kind};
}

Span span_of(const CountryPeriod& period) {
    return {period.name, {period.first_day, period.end_day}};
}

const Span& span_of(const Span& span) {
    return span;
}

// The first and the last of the named spans that the birth falls in: the name at the birth, and
// the one it took during the birth's days, if it changed then. Without a year, the last name.
template <typename Spans>
std::optional<TableNameAtBirth> name_during(const Spans& spans, const BirthDate& birth) {
    std::optional<TableNameAtBirth> found;
    for (const auto& item : spans) {
        const Span& span = span_of(item);
        if (!overlaps(span.days, birth) || span.name.empty()) {
            continue;
        }
        if (!found || !birth.year) {
            found = TableNameAtBirth{span.name, {}, 0};
        } else if (span.name != found->name) {
            found->renamed = span.name;
            found->renamed_on = span.days.first_day;
        }
    }
    return found;
}

// A commune's names over time; a span without a name is a gap, when the code named nothing.
std::vector<Span> spans_of(const Commune& commune) {
    std::vector<Span> spans;
    spans.reserve(commune.periods.size());
    for (std::size_t i = 0; i < commune.periods.size(); ++i) {
        spans.push_back(
            {commune.periods[i].name, {commune.periods[i].first_day, commune.end_of(i)}});
    }
    return spans;
}

// A name kept beyond the commune it was read from.
NameAtBirth owned(const TableNameAtBirth& name) {
    return {std::string(name.name), std::string(name.renamed), name.renamed_on};
}

NamedSpan owned(const Span& span) {
    return {std::string(span.name), span.days, span.kind};
}

std::vector<NamedSpan> owned_spans(std::span<const DepartmentPeriod> history) {
    std::vector<NamedSpan> spans;
    std::transform(history.begin(), history.end(), std::back_inserter(spans),
                   [](const DepartmentPeriod& period) { return owned(span_of(period)); });
    return spans;
}

// The department's period in which the birth falls last, if any.
const DepartmentPeriod* department_during(std::span<const DepartmentPeriod> history,
                                          const BirthDate& birth) {
    const auto found = std::find_if(history.rbegin(), history.rend(), [&birth](const auto& period) {
        return overlaps({period.first_day, period.end_day}, birth);
    });
    return found == history.rend() ? nullptr : &*found;
}

// The department as named during the birth's days, and how to say "in" it: as at the birth, or
// as last named without a year.
void name_department(Place& place, std::span<const DepartmentPeriod> history,
                     const BirthDate& birth) {
    place.department = name_during(history, birth).value_or(TableNameAtBirth{});
    const auto overlapping = [&birth](const DepartmentPeriod& period) {
        return overlaps({period.first_day, period.end_day}, birth);
    };
    const auto first = std::find_if(history.begin(), history.end(), overlapping);
    const DepartmentPeriod* then = birth.year || first == history.end()
                                       ? (first == history.end() ? nullptr : &*first)
                                       : department_during(history, birth);
    if (then != nullptr) {
        place.department_in = then->in_it;
        place.department_kind = then->kind;
    }
}

std::string_view todays_department(std::uint32_t key) {
    const std::span<const DepartmentPeriod> history =
        places::department_history(places::department_of(key));
    return history.empty() ? std::string_view() : history.back().name;
}

// The birth's days that the commune's period covers, for the department of then.
BirthDate within(const BirthDate& birth, DaySpan span) {
    BirthDate part = birth;
    part.days = {std::max(birth.days.first_day, span.first_day),
                 std::min(birth.days.end_day, span.end_day)};
    return part;
}

// A commune named at the birth: its name and its department's of then, and today's where they
// differ. After the dated history, only today's name is known.
Place commune_place(std::string_view department, const Commune& commune, const BirthDate& birth) {
    const std::vector<Span> spans = spans_of(commune);
    Place place;
    place.kind = Place::Kind::commune;
    place.code = places::commune_code(commune.key);
    place.name = owned(*name_during(spans, birth));
    DaySpan named_days;
    for (const Span& span : spans) {
        if (span.name == (place.name.renamed.empty() ? place.name.name : place.name.renamed) &&
            overlaps(span.days, birth)) {
            named_days = span.days;
        }
    }
    const std::span<const DepartmentPeriod> history = places::department_history(department);
    name_department(place, history, within(birth, named_days));
    const std::optional<places::TodaysCommune> today = places::todays_commune(commune);
    if (!today) {
        return place;
    }
    const std::string_view department_today = todays_department(today->key);
    const bool after_dated_history =
        birth.days.first_day >= places::dated_history_end && named_days.end_day == places::no_end;
    if (after_dated_history) {
        place.name = {today->name, {}, 0};
        place.department = {department_today, {}, 0};
        return place;
    }
    const std::string& last_name =
        place.name.renamed.empty() ? place.name.name : place.name.renamed;
    if (today->name != last_name) {
        place.name_today = today->name;
    }
    const std::string_view last_department =
        place.department.renamed.empty() ? place.department.name : place.department.renamed;
    if (!department_today.empty() && department_today != last_department) {
        place.department_today = department_today;
    }
    return place;
}

// What the code named at other dates than the birth: the last name before it, or else the first
// after it.
std::vector<NamedSpan> other_names(const Commune& commune, const BirthDate& birth) {
    std::optional<Span> before;
    std::optional<Span> after;
    for (const Span& span : spans_of(commune)) {
        if (span.name.empty()) {
            continue;
        }
        if (span.days.end_day <= birth.days.first_day) {
            before = span;
        } else if (span.days.first_day >= birth.days.end_day && !after) {
            after = span;
        }
    }
    if (before) {
        return {owned(*before)};
    }
    return after ? std::vector<NamedSpan>{owned(*after)} : std::vector<NamedSpan>{};
}

// Whether the commune had a name during the birth's days.
bool named_during(const Commune& commune, const BirthDate& birth) {
    for (std::size_t i = 0; i < commune.periods.size(); ++i) {
        if (!commune.periods[i].name.empty() &&
            overlaps({commune.periods[i].first_day, commune.end_of(i)}, birth)) {
            return true;
        }
    }
    return false;
}

std::optional<Commune> commune_named_during(std::uint32_t key, const BirthDate& birth) {
    std::optional<Commune> commune = places::find_commune(key);
    return commune && named_during(*commune, birth) ? commune : std::nullopt;
}

PlaceReading read_commune(std::string_view department, std::string_view commune_part,
                          const DepartmentPeriod& period, const BirthDate& birth) {
    const std::string code = code_of(department, commune_part);
    const std::uint32_t key = key_of(department, commune_part);
    const std::optional<Commune> commune = places::find_commune(key);
    if (commune && named_during(*commune, birth)) {
        return {commune_place(department, *commune, birth), {}};
    }
    // A commune's births beyond its 999th in a month take its extension code.
    if (const std::optional<std::uint32_t> extended = places::extended_commune(key)) {
        if (const std::optional<Commune> extended_one = commune_named_during(*extended, birth)) {
            Place place = commune_place(department, *extended_one, birth);
            place.code = code;
            place.extension_of = places::commune_code(*extended);
            Finding note{.kind = Finding::Kind::extension_code,
                         .weight = Weight::nothing,
                         .code = std::string(commune_part),
                         .about = place.extension_of,
                         .name = place.name.name};
            return {std::move(place), {std::move(note)}};
        }
    }
    Place place;
    place.kind = Place::Kind::department;
    place.code = std::string(department);
    name_department(place, places::department_history(department), birth);
    // The lists are sure of a code they know, for a birth they date: a code they never saw may
    // be an extension code they do not list.
    const bool sure = commune && birth.year && birth.days.first_day >= 0 &&
                      period.communes == places::CommunesKnown::dated;
    Finding finding{.kind =
                        sure ? Finding::Kind::no_commune_then : Finding::Kind::commune_not_known,
                    .weight = sure ? Weight::impossible : Weight::to_check,
                    .code = std::string(commune_part),
                    .where = std::string(place.department_in),
                    .birth = birth};
    if (commune) {
        finding.others = other_names(*commune, birth);
    }
    return {std::move(place), {std::move(finding)}};
}

// A department code that was none at the birth: what the commune code's place was then, if it
// had another code, or what the department code stood for at other dates.
PlaceReading read_missing_department(std::string_view department, std::string_view commune_part,
                                     std::span<const DepartmentPeriod> history,
                                     const BirthDate& birth) {
    if (is_digits(commune_part, 3)) {
        const std::uint32_t key = key_of(department, commune_part);
        const std::optional<std::uint32_t> former =
            places::former_code(key, birth.days.end_day == places::no_end ? birth.days.end_day
                                                                          : birth.days.end_day - 1);
        if (const std::optional<Commune> commune =
                former ? commune_named_during(*former, birth) : std::nullopt) {
            const Place then = commune_place(places::department_of(*former), *commune, birth);
            return {{},
                    {{.kind = Finding::Kind::department_not_yet,
                      .weight = Weight::impossible,
                      .code = std::string(department),
                      .about = then.code,
                      .name = then.name.name,
                      .where = std::string(then.department.name),
                      .birth = birth}}};
        }
    }
    return {{},
            {{.kind = Finding::Kind::no_department_then,
              .weight = Weight::impossible,
              .code = std::string(department),
              .birth = birth,
              .others = owned_spans(history)}}};
}

PlaceReading read_country(std::string_view commune_part, const BirthDate& birth) {
    Place place;
    place.kind = Place::Kind::abroad;
    place.code = "99" + std::string(commune_part);
    if (!is_digits(commune_part, 3)) {
        return {std::move(place), {}};
    }
    const int number = number_of(commune_part);
    const std::span<const CountryPeriod> history = places::country_history(number);
    if (history.empty()) {
        return {std::move(place),
                {{.kind = Finding::Kind::country_not_known,
                  .weight = Weight::to_check,
                  .code = std::string(commune_part)}}};
    }
    const std::string today(history.back().name);
    if (const std::optional<TableNameAtBirth> then = name_during(history, birth)) {
        place.name = owned(*then);
        // Its status at the birth, and the day it ended if that fell during the birth's days.
        bool first = true;
        for (const CountryPeriod& period : history) {
            if (!overlaps({period.first_day, period.end_day}, birth)) {
                continue;
            }
            if (first) {
                place.country_status = period.status;
                first = false;
            } else if (period.status != place.country_status &&
                       place.status_ended_on == places::no_end) {
                place.status_ended_on = period.first_day;
            }
        }
        if ((then->renamed.empty() ? then->name : then->renamed) != today) {
            place.name_today = today;
        }
    } else {
        // Born before the code was a country of its own: only today's name is known.
        place.name_today = today;
    }
    std::vector<Finding> findings;
    // France's own code: a birth abroad cannot be in France.
    if (number == 100) {
        findings.push_back({.kind = Finding::Kind::born_abroad_in_france,
                            .weight = Weight::impossible,
                            .code = std::string(commune_part)});
    }
    return {std::move(place), std::move(findings)};
}

} // namespace

PlaceReading read_place(std::string_view department, std::string_view commune,
                        const BirthDate& birth) {
    if (department == "99") {
        return read_country(commune, birth);
    }
    const bool overseas = department == "97" || department == "98";
    if (overseas && !is_digits(commune, 3)) {
        Place place;
        place.kind = Place::Kind::overseas;
        place.code = std::string(department);
        return {std::move(place), {}};
    }
    const std::string code =
        overseas ? std::string(department) + commune.front() : std::string(department);
    const std::span<const DepartmentPeriod> history = places::department_history(code);
    const DepartmentPeriod* period = department_during(history, birth);
    if (period == nullptr) {
        return read_missing_department(code, commune, history, birth);
    }
    if (!is_digits(commune, 3) || period->communes == places::CommunesKnown::none ||
        period->kind == places::PlaceKind::protectorate) {
        Place place;
        place.kind = Place::Kind::department;
        place.code = code;
        name_department(place, history, birth);
        return {std::move(place), {}};
    }
    return read_commune(code, commune, *period, birth);
}

} // namespace vardelis
