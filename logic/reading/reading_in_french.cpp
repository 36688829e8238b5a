#include "logic/reading/reading_in_french.h"

#include "logic/reading/french_dates.h"
#include "logic/reading/written_code.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

namespace vardelis {
namespace {

// French typography puts a no-break space before a colon, and one inside a code ("75 012").
constexpr std::string_view colon = "\u00A0: ";
constexpr std::string_view no_break_space = "\u00A0";

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    text.reserve(std::accumulate(
        pieces.begin(), pieces.end(), std::size_t{0},
        [](std::size_t size, std::string_view piece) { return size + piece.size(); }));
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

std::string joined(const std::vector<std::string>& pieces, std::string_view between) {
    std::string text;
    for (const std::string& piece : pieces) {
        if (!text.empty()) {
            text += between;
        }
        text += piece;
    }
    return text;
}

// "à Versailles", and "au Havre", "aux Lilas", "dans l'archipel des Kerguelen", "sur l'île de
// Clipperton", "en Terre-Adélie" for the names that start with an article or a kind of place.
std::string at(std::string_view name) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 6> starts = {{
        {"Le ", "au "},
        {"Les ", "aux "},
        {"Archipel ", "dans l'archipel "},
        {"Îles ", "sur les îles "},
        {"Île ", "sur l'île "},
        {"La Terre-", "en Terre-"},
    }};
    for (const auto& [start, words] : starts) {
        if (name.starts_with(start)) {
            return concat({words, name.substr(start.size())});
        }
    }
    return concat({"à ", name});
}

// A municipal arrondissement's city and its number: "Paris" and "15e arrondissement".
struct Arrondissement {
    // cppcheck-suppress unusedStructMember ; read through the optional that holds it
    std::string_view city;
    // cppcheck-suppress unusedStructMember
    std::string_view district;
};

std::optional<Arrondissement> arrondissement_of(std::string_view name) {
    constexpr std::string_view word = " arrondissement";
    if (!name.ends_with(word)) {
        return std::nullopt;
    }
    const std::size_t space = name.rfind(' ', name.size() - word.size() - 1);
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    return Arrondissement{name.substr(0, space), name.substr(space + 1)};
}

// ", devenues Alpes-de-Haute-Provence le 13 avril 1970" where the department was renamed during
// the birth's days.
void append_renaming(std::string& text, const Place& place) {
    if (!place.department.renamed.empty()) {
        const bool plural = place.department_in.starts_with("dans les ");
        text += plural ? ", devenues " : ", devenue ";
        text += place.department.renamed;
        text += " le ";
        text += french::date(place.department.renamed_on);
    }
}

// "dans les Basses-Alpes, devenues…", "au Maroc (protectorat français)".
std::string in_department(const Place& place) {
    std::string text(place.department_in);
    append_renaming(text, place);
    if (place.department_kind == places::PlaceKind::protectorate) {
        text += " (protectorat français)";
    }
    return text;
}

// Writes what goes between parentheses after a name, the pieces of each apart: " (a, b)".
class Parentheses {
public:
    explicit Parentheses(std::string& text)
        : text_(text) {}
    Parentheses(const Parentheses&) = delete;
    Parentheses& operator=(const Parentheses&) = delete;
    ~Parentheses() {
        if (opened_) {
            text_ += ')';
        }
    }
    // A piece of its own, and where it is written.
    std::string& next() {
        text_ += opened_ ? ", " : " (";
        opened_ = true;
        return text_;
    }

private:
    std::string& text_;
    bool opened_ = false;
};

// "à Versailles (Yvelines)", "à Paris (15e arrondissement, Seine)", "à Levallois-Perret (Seine,
// aujourd'hui Hauts-de-Seine)", "à Amareins (Ain), aujourd'hui Francheleins", "à Ambérieu (Ain),
// renommée Ambérieu-en-Bugey le 31 mars 1955".
std::string at_commune(const Place& place) {
    const std::optional<Arrondissement> arrondissement = arrondissement_of(place.name.name);
    const std::string_view shown = arrondissement ? arrondissement->city : place.name.name;
    std::string text = at(shown);
    // A city that is its department (Paris), or an overseas collectivity of one commune
    // (Saint-Martin), is said as its department is: its department goes without saying.
    const bool names_its_department = place.department_in == text;
    const bool department_moved =
        !place.department_today.empty() && place.department_today != shown;
    {
        Parentheses inside(text);
        if (arrondissement) {
            inside.next() += arrondissement->district;
        }
        if (!names_its_department && !place.department.name.empty()) {
            append_renaming(inside.next() += place.department.name, place);
            if (department_moved && place.name_today.empty()) {
                std::string& today = inside.next();
                today += "aujourd'hui ";
                today += place.department_today;
            }
        }
    }
    if (!place.name.renamed.empty()) {
        text += ", renommée ";
        text += place.name.renamed;
        text += " le ";
        text += french::date(place.name.renamed_on);
    }
    if (!place.name_today.empty()) {
        text += ", aujourd'hui ";
        text += place.name_today;
        if (department_moved) {
            Parentheses(text).next() += place.department_today;
        }
    }
    return text;
}

// "à l'étranger (Tchécoslovaquie, aujourd'hui Tchéquie)", "en Algérie (alors française)".
std::string abroad(const Place& place) {
    const std::string status_until =
        place.status_ended_on == places::no_end
            ? std::string()
            : concat({" jusqu'au ", french::date(place.status_ended_on - 1)});
    if (place.country_status == places::CountryStatus::french) {
        // Algeria before its independence, the one French territory with a country's code.
        return concat({"en ", place.name.name,
                       status_until.empty() ? " (alors française)" : " (française", status_until,
                       status_until.empty() ? "" : ")"});
    }
    std::vector<std::string> country;
    if (!place.name.name.empty()) {
        country.push_back(place.name.name);
        if (!place.name.renamed.empty()) {
            country.back() += concat(
                {", puis ", place.name.renamed, " le ", french::date(place.name.renamed_on)});
        }
    }
    if (place.country_status == places::CountryStatus::protectorate) {
        country.push_back(status_until.empty() ? "alors protectorat français"
                                               : concat({"protectorat français", status_until}));
    }
    if (!place.name_today.empty()) {
        country.push_back(concat({"aujourd'hui ", place.name_today}));
    }
    return country.empty() ? "à l'étranger"
                           : concat({"à l'étranger (", joined(country, ", "), ")"});
}

std::string where(const Place& place) {
    switch (place.kind) {
    case Place::Kind::none:
        return {};
    case Place::Kind::department:
        return in_department(place);
    case Place::Kind::commune:
        return at_commune(place);
    case Place::Kind::overseas:
        return "outre-mer";
    case Place::Kind::abroad:
        return abroad(place);
    }
    return {};
}

std::string sentence(const NumberReading& reading) {
    const SexReading::Kind sex = reading.sex.kind;
    std::string text = sex == SexReading::Kind::man     ? "Homme, né"
                       : sex == SexReading::Kind::woman ? "Femme, née"
                                                        : "Né(e)";
    const std::size_t subject = text.size();
    std::array<std::string, 2> places;
    for (std::size_t i = 0; i < std::min(reading.births.size(), places.size()); ++i) {
        places.at(i) = where(reading.births[i].place);
    }
    const bool same_place = reading.births.size() == 2 && places[0] == places[1];
    for (std::size_t i = 0; i < std::min(reading.births.size(), places.size()); ++i) {
        const std::string when = french::month_and_year(reading.births[i].date);
        if (i == 1) {
            text += same_place ? " ou" : ", ou";
        }
        if (!when.empty()) {
            (text += " en ") += when;
        }
        if (!places.at(i).empty() && (i == 1 || !same_place)) {
            (text += ' ') += places.at(i);
        }
    }
    if (text.size() == subject) {
        return sex == SexReading::Kind::man     ? "Homme."
               : sex == SexReading::Kind::woman ? "Femme."
                                                : "";
    }
    text += '.';
    return text;
}

// "Levallois-Perret jusqu'en 1967", "Maroc (protectorat) jusqu'au 1er mars 1956".
std::string others(const std::vector<NamedSpan>& spans) {
    std::vector<std::string> named;
    for (const NamedSpan& span : spans) {
        const std::string days = french::span(span.days);
        named.push_back(
            concat({span.name, span.kind == places::PlaceKind::protectorate ? " (protectorat)" : "",
                    days.empty() ? "" : " ", days}));
    }
    return named.empty() ? "" : concat({colon, joined(named, ", ")});
}

std::string line_of(const Finding& finding) {
    const std::string when = french::month_and_year(finding.birth);
    switch (finding.kind) {
    case Finding::Kind::provisional_number:
        return concat({"Numéro provisoire (premier chiffre ", finding.code,
                       "), donné en attendant l'immatriculation."});
    case Finding::Kind::sex_not_said:
        return concat({"Le premier chiffre, ", finding.code, ", n'est ni 1 (homme) ni 2 (femme)."});
    case Finding::Kind::month_not_given:
        return concat(
            {"Mois ", finding.code, colon, "l'état civil ne donne pas le mois de naissance."});
    case Finding::Kind::not_a_month:
        return concat({"Le mois ", finding.code, " n'est pas un mois du calendrier."});
    case Finding::Kind::extension_code:
        return concat({"Code ", finding.code, colon, "code d'extension de ", finding.name, " (",
                       french::written_code(finding.about),
                       "), pour les naissances au-delà de la 999e du mois."});
    case Finding::Kind::no_commune_then:
        return concat({"Aucune commune ", finding.code, " ", finding.where, " en ", when,
                       others(finding.others), "."});
    case Finding::Kind::commune_not_known:
        return concat({"Pas de commune ", finding.code, " connue ", finding.where,
                       others(finding.others), "."});
    case Finding::Kind::no_department_then:
        return concat({"Aucun département ", finding.code,
                       when.empty() || finding.others.empty() ? "" : " en ",
                       finding.others.empty() ? "" : when, others(finding.others), "."});
    case Finding::Kind::department_not_yet:
        return concat({finding.code, " n'existait pas en ", when, colon, finding.name,
                       " était alors ", french::written_code(finding.about), " (", finding.where,
                       ")."});
    case Finding::Kind::country_not_known:
        return concat({"Pas de pays ", finding.code, " connu dans la liste des pays."});
    case Finding::Kind::earlier_century:
        return concat({"Année ", finding.code, " lue ", finding.name, ", soit ", finding.where,
                       " ans aujourd'hui", colon, "lue ", finding.about,
                       ", elle ne va pas avec le lieu."});
    case Finding::Kind::born_abroad_in_france:
        return concat({"Le code 99", no_break_space, finding.code, " est celui de la France", colon,
                       "il ne peut pas être celui d'une naissance à l'étranger."});
    }
    return {};
}

std::string unreadable_line(const std::vector<UnreadablePart>& parts) {
    std::vector<std::string> expected;
    for (const UnreadablePart part : parts) {
        switch (part) {
        case UnreadablePart::sex:
            expected.emplace_back("sexe (1 chiffre)");
            break;
        case UnreadablePart::year:
            expected.emplace_back("année (2 chiffres)");
            break;
        case UnreadablePart::month:
            expected.emplace_back("mois (2 chiffres)");
            break;
        case UnreadablePart::department:
            expected.emplace_back("département (2 chiffres, ou 2A, 2B)");
            break;
        case UnreadablePart::commune:
            expected.emplace_back("commune (3 chiffres)");
            break;
        case UnreadablePart::rank:
            expected.emplace_back("rang (3 chiffres)");
            break;
        }
    }
    return concat({"Chiffres attendus", colon, joined(expected, ", "), "."});
}

// Each line once, in the order given.
void add_line(std::vector<std::string>& lines, std::string line) {
    if (!line.empty() && std::find(lines.begin(), lines.end(), line) == lines.end()) {
        lines.push_back(std::move(line));
    }
}

std::vector<const Finding*> all_findings(const NumberReading& reading) {
    std::vector<const Finding*> findings;
    const auto address = [](const Finding& finding) { return &finding; };
    std::transform(reading.findings.begin(), reading.findings.end(), std::back_inserter(findings),
                   address);
    for (const BirthReading& birth : reading.births) {
        std::transform(birth.findings.begin(), birth.findings.end(), std::back_inserter(findings),
                       address);
    }
    return findings;
}

} // namespace

std::string verdict_in_french(Weight weight) {
    switch (weight) {
    case Weight::nothing:
        return "Rien à signaler";
    case Weight::to_check:
        return "À vérifier";
    case Weight::impossible:
        return "Numéro impossible";
    }
    return {};
}

std::string in_french(const NumberReading& reading) {
    const std::vector<const Finding*> findings = all_findings(reading);
    std::vector<std::string> lines;
    for (const Weight weight : {Weight::impossible, Weight::to_check}) {
        for (const Finding* finding : findings) {
            if (finding->weight == weight) {
                add_line(lines, line_of(*finding));
            }
        }
    }
    if (!reading.unreadable.empty()) {
        add_line(lines, unreadable_line(reading.unreadable));
    }
    add_line(lines, sentence(reading));
    for (const Finding* finding : findings) {
        if (finding->weight == Weight::nothing) {
            add_line(lines, line_of(*finding));
        }
    }
    return lines.size() == 1 ? std::move(lines.front()) : joined(lines, "\n");
}

} // namespace vardelis
