#include "logic/places/place_search.h"

#include "logic/places/places.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

namespace vardelis::places {
namespace {

// The letters of U+00C0 to U+00FF without their accents, lower case; blank for the signs
// (× and ÷), which separate words.
constexpr std::array<std::string_view, 64> latin1_letters = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  " ", "o", "u", "u", "u", "u", "y", "",  "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  " ", "o", "u", "u", "u", "u", "y", "",  "y"};

// The next character of UTF-8 text, or nothing for a byte that does not start one (which is
// then passed over).
std::optional<char32_t> next_character(std::string_view text, std::size_t* at) {
    const auto lead = static_cast<unsigned char>(text[*at]);
    ++*at;
    if (lead < 0x80) {
        return lead;
    }
    int more = 0;
    char32_t character = 0;
    if ((lead & 0xE0U) == 0xC0) {
        more = 1;
        character = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0) {
        more = 2;
        character = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0) {
        more = 3;
        character = lead & 0x07U;
    } else {
        return std::nullopt;
    }
    for (; more > 0; --more) {
        if (*at >= text.size() || (static_cast<unsigned char>(text[*at]) & 0xC0U) != 0x80) {
            return std::nullopt;
        }
        character = (character << 6U) | (static_cast<unsigned char>(text[*at]) & 0x3FU);
        ++*at;
    }
    return character;
}

// A character as the folded name writes it: a letter or digit without accent in lower case,
// " " for what separates words, nothing for what is not a letter.
std::string_view folded_character(char32_t character, std::array<char, 1>* ascii) {
    if ((character >= '0' && character <= '9') || (character >= 'a' && character <= 'z')) {
        (*ascii)[0] = static_cast<char>(character);
        return {ascii->data(), 1};
    }
    if (character >= 'A' && character <= 'Z') {
        (*ascii)[0] = static_cast<char>(character - 'A' + 'a');
        return {ascii->data(), 1};
    }
    if (character >= 0xC0 && character <= 0xFF) {
        return latin1_letters[character - 0xC0];
    }
    switch (character) {
    case 0x152: // Œ
    case 0x153: // œ
        return "oe";
    case 0x178: // Ÿ
        return "y";
    default:
        // Hyphens, apostrophes, blanks, dots, brackets and anything else: between two words.
        return " ";
    }
}

// "St" and "Ste" as the names write them.
std::string_view written_out(std::string_view word) {
    if (word == "st") {
        return "saint";
    }
    if (word == "ste") {
        return "sainte";
    }
    return word;
}

// The department of a commune code on a day: its name, or nothing for a code no department had.
std::string department_name(std::uint32_t key, std::int32_t day) {
    const std::span<const DepartmentPeriod> history = department_history(department_of(key));
    const auto after = std::upper_bound(history.begin(), history.end(), day,
                                        [](std::int32_t wanted, const DepartmentPeriod& period) {
                                            return wanted < period.first_day;
                                        });
    if (after == history.begin() || day >= std::prev(after)->end_day) {
        return {};
    }
    return std::string(std::prev(after)->name);
}

// The first and last day that a period and the days asked about share, if they share one.
std::optional<DayRange> shared_days(std::int32_t first_day, std::int32_t end_day,
                                    std::span<const DayRange> days) {
    if (days.empty()) {
        return DayRange{first_day, end_day};
    }
    std::optional<DayRange> shared;
    for (const DayRange& range : days) {
        const std::int32_t first = std::max(first_day, range.first_day);
        const std::int32_t end = std::min(end_day, range.end_day);
        if (first < end) {
            shared = DayRange{shared ? std::min(shared->first_day, first) : first,
                              shared ? std::max(shared->end_day, end) : end};
        }
    }
    return shared;
}

// How a folded name answers what was typed, folded, if it does.
std::optional<NameMatch> match_of(std::string_view name, std::string_view typed) {
    if (!name.starts_with(typed)) {
        const std::size_t at = name.find(typed);
        for (std::size_t from = at; from != std::string_view::npos;
             from = name.find(typed, from + 1)) {
            if (name[from - 1] == ' ') {
                return NameMatch::word_start;
            }
        }
        return std::nullopt;
    }
    return name.size() == typed.size() ? NameMatch::whole : NameMatch::start;
}

} // namespace

std::string folded_name(std::string_view name) {
    std::string spaced;
    spaced.reserve(name.size());
    std::array<char, 1> ascii{};
    for (std::size_t at = 0; at < name.size();) {
        if (const std::optional<char32_t> character = next_character(name, &at)) {
            spaced += folded_character(*character, &ascii);
        }
    }
    std::string folded;
    std::size_t at = 0;
    while (at < spaced.size()) {
        const std::size_t start = spaced.find_first_not_of(' ', at);
        if (start == std::string::npos) {
            break;
        }
        const std::size_t end = std::min(spaced.find(' ', start), spaced.size());
        if (!folded.empty()) {
            folded += ' ';
        }
        folded += written_out(std::string_view(spaced).substr(start, end - start));
        at = end;
    }
    return folded;
}

const PlaceIndex& PlaceIndex::built_in() {
    static const PlaceIndex index;
    return index;
}

PlaceIndex::PlaceIndex() {
    CommuneReader reader;
    while (const std::optional<Commune> commune = reader.next()) {
        for (std::size_t period = 0; period < commune->periods.size(); ++period) {
            const std::string& name = commune->periods[period].name;
            if (!name.empty()) {
                entries_.push_back({commune->key, commune->periods[period].first_day,
                                    commune->end_of(period), name, folded_name(name)});
            }
        }
        if (commune->today == Commune::Today::itself && !commune->renamed_today.empty()) {
            entries_.push_back({commune->key, dated_history_end, no_end, commune->renamed_today,
                                folded_name(commune->renamed_today)});
        }
    }
    // A country's code is the place of a birth abroad only: before its independence, a French
    // territory or protectorate had a department code, not its country's.
    for (const CountryPeriod& country : country_periods) {
        if (country.status == CountryStatus::abroad) {
            entries_.push_back({99000U + country.number, country.first_day, country.end_day,
                                std::string(country.name), folded_name(country.name)});
        }
    }
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return std::forward_as_tuple(a.folded.size(), a.folded, a.key, a.first_day) <
               std::forward_as_tuple(b.folded.size(), b.folded, b.key, b.first_day);
    });
}

std::vector<PlaceFound> PlaceIndex::propose(std::string_view typed, std::span<const DayRange> days,
                                            std::size_t at_most) const {
    return found(typed, days, NameMatch::word_start, at_most);
}

std::vector<PlaceFound> PlaceIndex::named(std::string_view typed,
                                          std::span<const DayRange> days) const {
    return found(typed, days, NameMatch::whole, entries_.size());
}

std::vector<PlaceFound> PlaceIndex::found(std::string_view typed, std::span<const DayRange> days,
                                          NameMatch worst, std::size_t at_most) const {
    const std::string wanted = folded_name(typed);
    if (wanted.empty()) {
        return {};
    }
    struct Candidate {
        const Entry* entry;
        std::int32_t last_day;
    };
    // The entries are in the order proposals are made in: each kind of match keeps it.
    std::array<std::vector<Candidate>, 3> by_match;
    for (const Entry& entry : entries_) {
        const std::optional<NameMatch> match = match_of(entry.folded, wanted);
        if (!match || *match > worst) {
            continue;
        }
        if (const std::optional<DayRange> shared =
                shared_days(entry.first_day, entry.end_day, days)) {
            // The department as it was at the last of those days.
            by_match.at(static_cast<std::size_t>(*match))
                .push_back(
                    {&entry, shared->end_day == no_end ? dated_history_end : shared->end_day - 1});
        }
    }
    std::vector<PlaceFound> places;
    for (const std::vector<Candidate>& candidates : by_match) {
        for (const Candidate& candidate : candidates) {
            if (places.size() == at_most) {
                return places;
            }
            PlaceFound place{candidate.entry->key, candidate.entry->name,
                             candidate.entry->key / 1000 == 99
                                 ? std::string()
                                 : department_name(candidate.entry->key, candidate.last_day)};
            if (std::find(places.begin(), places.end(), place) == places.end()) {
                places.push_back(std::move(place));
            }
        }
    }
    return places;
}

} // namespace vardelis::places
