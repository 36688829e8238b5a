#include "logic/places/days.h"
#include "logic/places/place_search.h"
#include "logic/reading/place_comparison.h"
#include "logic/reading/place_search_in_french.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The names, codes, departments and dates come from the public data of data/ (INSEE's communes
// since 1943 with their dates, the departments' and countries' names over time), not from the
// program.
namespace vardelis {
namespace {

using places::DayRange;

constexpr int any_year = 0;

std::vector<DayRange> days_of(int year) {
    if (year == any_year) {
        return {};
    }
    return {{places::day_of(year, 1), places::day_of(year + 1, 1)}};
}

std::vector<std::string> proposals(const char* typed, int year) {
    const std::vector<places::PlaceFound> found =
        places::PlaceIndex::built_in().propose(typed, days_of(year), 20);
    std::vector<std::string> texts;
    std::transform(found.begin(), found.end(), std::back_inserter(texts), proposal_in_french);
    return texts;
}

// A name typed at a year, and a proposal made or not.
struct NameRow {
    const char* typed;
    int year;
    const char* proposal;
};

bool holds(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(FoldedName, IgnoresAccentsCaseHyphensApostrophesAndSaintsShortened) {
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"Saint-Étienne", "saint etienne"},
        {"ST-ÉTIENNE", "saint etienne"},
        {"  st   etienne ", "saint etienne"},
        {"Ste-Foy-lès-Lyon", "sainte foy les lyon"},
        {"L'Haÿ-les-Roses", "l hay les roses"},
        {"L’Haÿ-les-Roses", "l hay les roses"},
        {"Œuilly", "oeuilly"},
        {"Stella-Plage", "stella plage"},
        {"Paris 15e arrondissement", "paris 15e arrondissement"},
        {"Ça\xff", "ca"},
        {"", ""},
    };
    for (const auto& [name, folded] : rows) {
        EXPECT_EQ(places::folded_name(name), folded) << name;
    }
}

TEST(PlaceIndex, ProposesThePlacesOfTheYearWithTheirDepartmentOfThen) {
    const std::vector<NameRow> rows = {
        {"Grenoble", 1975, "Grenoble (Isère) 38\u00A0185"},
        {"saint-denis", 1975, "Saint-Denis (Seine-Saint-Denis) 93\u00A0066"},
        {"saint denis", 1975, "Saint-Denis (La Réunion) 97\u00A0411"},
        {"st denis", 1960, "Saint-Denis (Seine) 75\u00A0066"},
        {"Argenteuil", 1955, "Argenteuil (Seine-et-Oise) 78\u00A0018"},
        {"argenteuil", 1990, "Argenteuil (Val-d'Oise) 95\u00A0018"},
        {"boulogne-billancourt", 1962, "Boulogne-Billancourt (Seine) 75\u00A0012"},
        {"Boulogne Billancourt", 1990, "Boulogne-Billancourt (Hauts-de-Seine) 92\u00A0012"},
        {"evry", 1999, "Évry (Essonne) 91\u00A0228"},
        {"evry", 2020, "Évry-Courcouronnes (Essonne) 91\u00A0228"},
        {"Ambérieu", 1950, "Ambérieu (Ain) 01\u00A0004"},
        {"amberieu", 1960, "Ambérieu-en-Bugey (Ain) 01\u00A0004"},
        {"havre", 1950, "Le Havre (Seine-Inférieure) 76\u00A0351"},
        {"havre", 1990, "Le Havre (Seine-Maritime) 76\u00A0351"},
        {"espagne", any_year, "Espagne (étranger) 99\u00A0134"},
        {"tchecoslovaquie", 1980, "Tchécoslovaquie (étranger) 99\u00A0116"},
        {"Algérie", 1970, "Algérie (étranger) 99\u00A0352"},
        {"Maroc", 1960, "Maroc (étranger) 99\u00A0350"},
        {"argenteuil", any_year, "Argenteuil (Seine-et-Oise) 78\u00A0018"},
        {"argenteuil", any_year, "Argenteuil (Val-d'Oise) 95\u00A0018"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> found = proposals(row.typed, row.year);
        EXPECT_TRUE(holds(found, row.proposal))
            << row.typed << " in " << row.year << ": " << ::testing::PrintToString(found);
    }
}

TEST(PlaceIndex, ProposesNoPlaceOutsideItsYears) {
    const std::vector<NameRow> rows = {
        {"saint-denis", 1960, "Saint-Denis (Seine-Saint-Denis) 93\u00A0066"},
        {"st denis", 1975, "Saint-Denis (Seine) 75\u00A0066"},
        {"argenteuil", 1990, "Argenteuil (Seine-et-Oise) 78\u00A0018"},
        {"argenteuil", 1955, "Argenteuil (Val-d'Oise) 95\u00A0018"},
        // 78 018 named Argenteuil until 31 December 1967.
        {"argenteuil", 1968, "Argenteuil (Seine-et-Oise) 78\u00A0018"},
        {"Ambérieu", 1960, "Ambérieu (Ain) 01\u00A0004"},
        {"evry", 2020, "Évry (Essonne) 91\u00A0228"},
        {"tchecoslovaquie", 2000, "Tchécoslovaquie (étranger) 99\u00A0116"},
        // Algeria had the departments 91 to 94 before its independence, not its country's code.
        {"Algérie", 1955, "Algérie (étranger) 99\u00A0352"},
        // Nor Morocco, a protectorate with its department code 95 until 2 March 1956.
        {"Maroc", 1950, "Maroc (étranger) 99\u00A0350"},
    };
    for (const auto& row : rows) {
        EXPECT_FALSE(holds(proposals(row.typed, row.year), row.proposal))
            << row.typed << " in " << row.year;
    }
}

TEST(PlaceIndex, PutsWholeNamesFirstThenStartsThenWords) {
    const std::vector<std::string> found = proposals("grenoble", 1975);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "Grenoble (Isère) 38\u00A0185");
    // Saint-Martin-d'Hères comes after the names that start with what is typed.
    const std::vector<std::string> saints = proposals("martin d heres", 1975);
    EXPECT_TRUE(holds(saints, "Saint-Martin-d'Hères (Isère) 38\u00A0421"))
        << ::testing::PrintToString(saints);
    const std::vector<std::string> havre = proposals("le havre", 1990);
    ASSERT_FALSE(havre.empty());
    EXPECT_EQ(havre.front(), "Le Havre (Seine-Maritime) 76\u00A0351");
    EXPECT_TRUE(proposals("zzyzx", any_year).empty());
    EXPECT_TRUE(proposals(" - ' ", any_year).empty());
    EXPECT_EQ(places::PlaceIndex::built_in().propose("s", {}, 20).size(), 20U);
}

struct ComparisonRow {
    const char* what;
    KeyInputs parts;
    const char* typed;
    std::optional<std::string> said; // nothing when there is nothing to compare
};

TEST(ComparePlace, SaysWhetherTheNumberGivesThePlaceTyped) {
    const std::vector<ComparisonRow> rows = {
        {"a neighbouring town",
         {"1", "75", "06", "38", "158", "012"},
         "Grenoble",
         "Le numéro dit Eybens (38\u00A0158)\u00A0; Grenoble, en juin 1975, c'est 38\u00A0185."},
        {"the same town",
         {"1", "75", "06", "38", "185", "012"},
         "grenoble",
         "Le numéro dit bien Grenoble (38\u00A0185)."},
        {"a name of two places",
         {"2", "75", "06", "38", "158", "012"},
         "St Denis",
         "Le numéro dit Eybens (38\u00A0158)\u00A0; Saint-Denis, en juin 1975, c'est 11\u00A0339, "
         "30\u00A0247, 89\u00A0342, 93\u00A0066 ou 97\u00A0411."},
        {"one of the two",
         {"2", "75", "06", "97", "411", "012"},
         "saint-denis",
         "Le numéro dit bien Saint-Denis (97\u00A0411)."},
        {"a code of its time",
         {"1", "62", "05", "75", "012", "012"},
         "Boulogne-Billancourt",
         "Le numéro dit bien Boulogne-Billancourt (75\u00A0012)."},
        // The reading itself says that 92 was no department yet, and the code of then.
        {"a code taken later",
         {"1", "62", "05", "92", "012", "012"},
         "Boulogne-Billancourt",
         std::nullopt},
        {"an extension code",
         {"1", "80", "03", "75", "215", "012"},
         "Paris 15e arrondissement",
         "Le numéro dit bien Paris 15e arrondissement (75\u00A0215)."},
        {"a former name",
         {"1", "50", "03", "01", "004", "012"},
         "Amberieu",
         "Le numéro dit bien Ambérieu (01\u00A0004)."},
        {"a name of after the birth",
         {"1", "50", "03", "01", "004", "012"},
         "Amberieu en Bugey",
         std::nullopt},
        {"a country",
         {"1", "80", "03", "99", "134", "012"},
         "Portugal",
         "Le numéro dit Espagne (99\u00A0134)\u00A0; Portugal, en mars 1980, c'est 99\u00A0139."},
        {"a name still typed", {"1", "75", "06", "38", "158", "012"}, "Greno", std::nullopt},
        {"no place in the number", {"1", "75", "06", "", "", "012"}, "Grenoble", std::nullopt},
        {"no year in the number",
         {"1", "", "06", "38", "158", "012"},
         "Grenoble",
         "Le numéro dit Eybens (38\u00A0158)\u00A0; Grenoble, c'est 38\u00A0185."},
    };
    for (const ComparisonRow& row : rows) {
        const std::optional<PlaceComparison> comparison =
            compare_place(read_number(row.parts, std::chrono::year{2026} / 12), row.typed);
        ASSERT_EQ(comparison.has_value(), row.said.has_value()) << row.what;
        if (comparison) {
            EXPECT_EQ(comparison_in_french(*comparison), *row.said) << row.what;
            EXPECT_EQ(comparison->weight(), row.said->starts_with("Le numéro dit bien")
                                                ? Weight::nothing
                                                : Weight::to_check)
                << row.what;
        }
    }
}

TEST(BirthDays, AreEveryYearTheNumberAllowsOrAnyDay) {
    const NumberReading known =
        read_number({"1", "75", "06", "38", "158", "012"}, std::chrono::year{2026} / 12);
    const std::vector<DayRange> days = birth_days(known);
    ASSERT_EQ(days.size(), 1U);
    EXPECT_EQ(days[0].first_day, places::day_of(1975, 6));
    EXPECT_EQ(days[0].end_day, places::day_of(1975, 7));
    EXPECT_TRUE(
        birth_days(read_number({"1", "", "06", "38", "158", "012"}, std::chrono::year{2026} / 12))
            .empty());
}

} // namespace
} // namespace vardelis
