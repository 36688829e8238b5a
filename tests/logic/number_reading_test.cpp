#include "logic/reading/number_reading.h"
#include "logic/reading/reading_in_french.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The expected texts come from the public data of data/ (INSEE's codes with their dates, the
// dated files of departments, countries, extension codes and special values, each line with its
// source), not from the program: a rule written wrong turns a row red.
namespace vardelis {
namespace {

using std::chrono::year;

// Readings made in December 2026 unless a row says otherwise.
constexpr std::chrono::year_month december_2026 = year{2026} / std::chrono::December;

struct Row {
    const char* what;
    KeyInputs parts;
    std::string reading; // the verdict, then what the number says
    std::chrono::year_month today = december_2026;
};

std::string reading_of(const KeyInputs& parts, std::chrono::year_month today) {
    const NumberReading reading = read_number(parts, today);
    return verdict_in_french(reading.weight()) + "\n" + in_french(reading);
}

void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(reading_of(row.parts, row.today), row.reading);
    }
}

TEST(ReadNumber, NamesThePlaceAsItWasAtTheBirth) {
    check({
        {"a commune",
         {"1", "85", "05", "78", "646", "084"},
         "Rien à signaler\nHomme, né en mai 1985 à Versailles (Yvelines)."},
        {"in the Seine until 1968",
         {"2", "60", "03", "75", "044", "001"},
         "Rien à signaler\nFemme, née en mars 1960 à Levallois-Perret (Seine, aujourd'hui "
         "Hauts-de-Seine)."},
        {"its code since 1968",
         {"2", "90", "03", "92", "044", "001"},
         "Rien à signaler\nFemme, née en mars 1990 à Levallois-Perret (Hauts-de-Seine)."},
        {"renamed on 31 March 1955, before",
         {"1", "50", "06", "01", "004", "001"},
         "Rien à signaler\nHomme, né en juin 1950 à Ambérieu (Ain), aujourd'hui "
         "Ambérieu-en-Bugey."},
        {"renamed during the birth month",
         {"1", "55", "03", "01", "004", "001"},
         "Rien à signaler\nHomme, né en mars 1955 à Ambérieu (Ain), renommée Ambérieu-en-Bugey le "
         "31 mars 1955."},
        {"renamed, after",
         {"1", "55", "04", "01", "004", "001"},
         "Rien à signaler\nHomme, né en avril 1955 à Ambérieu-en-Bugey (Ain)."},
        {"Corsica before 1976",
         {"1", "70", "01", "20", "004", "001"},
         "Rien à signaler\nHomme, né en janvier 1970 à Ajaccio (Corse, aujourd'hui "
         "Corse-du-Sud)."},
        {"2b in lower case",
         {"2", "76", "01", "2b", "033", "001"},
         "Rien à signaler\nFemme, née en janvier 1976 à Bastia (Haute-Corse)."},
        {"Seine-Inférieure until 18 January 1955",
         {"1", "50", "05", "76", "540", "001"},
         "Rien à signaler\nHomme, né en mai 1950 à Rouen (Seine-Inférieure, aujourd'hui "
         "Seine-Maritime)."},
        {"department renamed during the birth month",
         {"1", "70", "04", "04", "070", "001"},
         "Rien à signaler\nHomme, né en avril 1970 à Digne (Basses-Alpes, devenues "
         "Alpes-de-Haute-Provence le 13 avril 1970), aujourd'hui Digne-les-Bains."},
        {"the month before that",
         {"1", "70", "03", "04", "070", "001"},
         "Rien à signaler\nHomme, né en mars 1970 à Digne (Basses-Alpes), aujourd'hui "
         "Digne-les-Bains (Alpes-de-Haute-Provence)."},
        {"a year without its month, renamed within it",
         {"1", "57", "30", "44", "109", "001"},
         "Rien à signaler\nHomme, né en 1957 à Nantes (Loire-Inférieure, devenue "
         "Loire-Atlantique le 9 mars 1957).\nMois 30\u00A0: l'état civil ne donne pas le mois "
         "de naissance."},
        {"Paris by arrondissement",
         {"2", "75", "05", "75", "115", "001"},
         "Rien à signaler\nFemme, née en mai 1975 à Paris (15e arrondissement)."},
        {"Paris in the Seine",
         {"1", "60", "05", "75", "115", "001"},
         "Rien à signaler\nHomme, né en mai 1960 à Paris (15e arrondissement, Seine)."},
        {"Marseille by arrondissement",
         {"1", "80", "05", "13", "201", "001"},
         "Rien à signaler\nHomme, né en mai 1980 à Marseille (1er arrondissement, "
         "Bouches-du-Rhône)."},
        {"an article",
         {"1", "80", "05", "76", "351", "001"},
         "Rien à signaler\nHomme, né en mai 1980 au Havre (Seine-Maritime)."},
        {"a plural article",
         {"1", "60", "05", "75", "045", "001"},
         "Rien à signaler\nHomme, né en mai 1960 aux Lilas (Seine, aujourd'hui "
         "Seine-Saint-Denis)."},
        {"merged since",
         {"1", "50", "01", "01", "003", "001"},
         "Rien à signaler\nHomme, né en janvier 1950 à Amareins (Ain), aujourd'hui "
         "Francheleins."},
        {"named like its department",
         {"1", "85", "05", "53", "147", "001"},
         "Rien à signaler\nHomme, né en mai 1985 à Mayenne (Mayenne)."},
        {"overseas department",
         {"1", "90", "06", "97", "411", "002"},
         "Rien à signaler\nHomme, né en juin 1990 à Saint-Denis (La Réunion)."},
        {"an archipelago",
         {"1", "85", "05", "98", "412", "001"},
         "Rien à signaler\nHomme, né en mai 1985 dans l'archipel des Kerguelen (Terres australes "
         "et antarctiques françaises)."},
        {"an island that is its own territory",
         {"1", "85", "05", "98", "901", "001"},
         "Rien à signaler\nHomme, né en mai 1985 sur l'île de Clipperton."},
        {"Algeria before its independence",
         {"1", "55", "05", "91", "123", "001"},
         "Rien à signaler\nHomme, né en mai 1955 en Algérie."},
        {"a protectorate, not a department",
         {"1", "50", "05", "95", "123", "001"},
         "Rien à signaler\nHomme, né en mai 1950 au Maroc (protectorat français)."},
        {"before the lists start",
         {"1", "35", "05", "78", "646", "001"},
         "Rien à signaler\nHomme, né en mai 1935 à Versailles (Seine-et-Oise, aujourd'hui "
         "Yvelines)."},
    });
}

// "en Gironde", "dans le Nord", "en Corse-du-Sud", "dans les Yvelines", "dans l'Ain": the
// article INSEE gives each department.
TEST(ReadNumber, SaysInADepartmentWithItsArticle) {
    check({
        {"la",
         {"1", "85", "05", "33", "999", "001"},
         "À vérifier\nPas de commune 999 connue en Gironde.\nHomme, né en mai 1985 en Gironde."},
        {"le",
         {"1", "85", "05", "59", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans le Nord.\nHomme, né en mai 1985 dans le "
         "Nord."},
        {"la, a compound name",
         {"1", "85", "05", "2A", "999", "001"},
         "À vérifier\nPas de commune 999 connue en Corse-du-Sud.\nHomme, né en mai 1985 en "
         "Corse-du-Sud."},
        {"les",
         {"1", "85", "05", "78", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans les Yvelines.\nHomme, né en mai 1985 dans "
         "les Yvelines."},
        {"l'",
         {"1", "85", "05", "01", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans l'Ain.\nHomme, né en mai 1985 dans l'Ain."},
    });
}

// A commune with more than 999 births in a month gives the next ones another code, which names
// it: INSEE's table of extension codes.
TEST(ReadNumber, ReadsAnExtensionCodeAsItsCommune) {
    const std::string note = "pour les naissances au-delà de la 999e du mois.";
    check({
        {"Paris 15e",
         {"1", "85", "05", "75", "215", "001"},
         "Rien à signaler\nHomme, né en mai 1985 à Paris (15e arrondissement).\nCode 215\u00A0: "
         "code d'extension de Paris 15e arrondissement (75\u00A0115), " +
             note},
        {"Bordeaux",
         {"2", "90", "01", "33", "663", "001"},
         "Rien à signaler\nFemme, née en janvier 1990 à Bordeaux (Gironde).\nCode 663\u00A0: code "
         "d'extension de Bordeaux (33\u00A0063), " +
             note},
        {"Marseille's second",
         {"1", "85", "05", "13", "255", "001"},
         "Rien à signaler\nHomme, né en mai 1985 à Marseille (Bouches-du-Rhône).\nCode "
         "255\u00A0: code d'extension de Marseille (13\u00A0055), " +
             note},
        {"Neuilly while in the Seine",
         {"1", "60", "05", "75", "151", "001"},
         "Rien à signaler\nHomme, né en mai 1960 à Neuilly-sur-Seine (Seine, aujourd'hui "
         "Hauts-de-Seine).\nCode 151\u00A0: code d'extension de Neuilly-sur-Seine "
         "(75\u00A0051), " +
             note},
        {"Neuilly's code no longer in Paris",
         {"1", "90", "05", "75", "151", "001"},
         "À vérifier\nPas de commune 151 connue à Paris.\nHomme, né en mai 1990 à Paris."},
    });
}

// The public descriptions of the number give a month 20 to 42 or 50 to 99 when the civil status
// does not give one, and a first digit 7 or 8 to a provisional number: said as such, never as an
// error.
TEST(ReadNumber, SaysSpecialValuesForWhatTheyAre) {
    const std::string versailles_1985 = " en 1985 à Versailles (Yvelines).";
    const std::string not_given = "\u00A0: l'état civil ne donne pas le mois de naissance.";
    check({
        {"month 20",
         {"1", "85", "20", "78", "646", "001"},
         "Rien à signaler\nHomme, né" + versailles_1985 + "\nMois 20" + not_given},
        {"month 42",
         {"1", "85", "42", "78", "646", "001"},
         "Rien à signaler\nHomme, né" + versailles_1985 + "\nMois 42" + not_given},
        {"month 43",
         {"1", "85", "43", "78", "646", "001"},
         "À vérifier\nLe mois 43 n'est pas un mois du calendrier.\nHomme, né" + versailles_1985},
        {"month 49",
         {"1", "85", "49", "78", "646", "001"},
         "À vérifier\nLe mois 49 n'est pas un mois du calendrier.\nHomme, né" + versailles_1985},
        {"month 50",
         {"1", "85", "50", "78", "646", "001"},
         "Rien à signaler\nHomme, né" + versailles_1985 + "\nMois 50" + not_given},
        {"month 99",
         {"1", "85", "99", "78", "646", "001"},
         "Rien à signaler\nHomme, né" + versailles_1985 + "\nMois 99" + not_given},
        {"month 13",
         {"1", "85", "13", "78", "646", "001"},
         "À vérifier\nLe mois 13 n'est pas un mois du calendrier.\nHomme, né" + versailles_1985},
        {"month 19",
         {"1", "85", "19", "78", "646", "001"},
         "À vérifier\nLe mois 19 n'est pas un mois du calendrier.\nHomme, né" + versailles_1985},
        {"month 00",
         {"1", "85", "00", "78", "646", "001"},
         "À vérifier\nLe mois 00 n'est pas un mois du calendrier.\nHomme, né" + versailles_1985},
        {"first digit 7",
         {"7", "85", "05", "78", "646", "001"},
         "Rien à signaler\nNé(e) en mai 1985 à Versailles (Yvelines).\nNuméro provisoire "
         "(premier chiffre 7), donné en attendant l'immatriculation."},
        {"first digit 8",
         {"8", "85", "05", "78", "646", "001"},
         "Rien à signaler\nNé(e) en mai 1985 à Versailles (Yvelines).\nNuméro provisoire "
         "(premier chiffre 8), donné en attendant l'immatriculation."},
        {"first digit 3",
         {"3", "85", "05", "78", "646", "001"},
         "À vérifier\nLe premier chiffre, 3, n'est ni 1 (homme) ni 2 (femme).\nNé(e) en mai 1985 "
         "à Versailles (Yvelines)."},
        {"first digit 9",
         {"9", "85", "05", "78", "646", "001"},
         "À vérifier\nLe premier chiffre, 9, n'est ni 1 (homme) ni 2 (femme).\nNé(e) en mai 1985 "
         "à Versailles (Yvelines)."},
    });
}

// Two digits read 20yy up to this year, 19yy above; where 20yy cannot be and 19yy can, 19yy,
// and both where both fit a living person.
TEST(ReadNumber, ReadsTheYearInTheCenturyWhereThePlaceExists) {
    check({
        {"Levallois in 1925, not Paris in 2025",
         {"1", "25", "05", "75", "044", "001"},
         "Rien à signaler\nHomme, né en mai 1925 à Levallois-Perret (Seine, aujourd'hui "
         "Hauts-de-Seine)."},
        {"both fit: 102 years old or 2",
         {"1", "24", "05", "24", "291", "001"},
         "Rien à signaler\nHomme, né en mai 2024 à Montignac-Lascaux (Dordogne), ou en mai 1924 à "
         "Montignac (Dordogne), aujourd'hui Montignac-Lascaux."},
        {"both fit, the same place",
         {"2", "16", "05", "99", "134", "001"},
         "Rien à signaler\nFemme, née en mai 2016 ou en mai 1916 à l'étranger (Espagne)."},
        {"the earlier would be older than any",
         {"1", "06", "05", "78", "646", "001"},
         "Rien à signaler\nHomme, né en mai 2006 à Versailles (Yvelines)."},
        {"a merged commune, 2021 or 1921",
         {"2", "21", "05", "01", "341", "001"},
         "Rien à signaler\nFemme, née en mai 1921 à Saint-Champ (Ain), aujourd'hui Magnieu."},
        {"this year's month still to come",
         {"2", "26", "12", "78", "646", "001"},
         "Rien à signaler\nFemme, née en décembre 1926 à Versailles (Seine-et-Oise, aujourd'hui "
         "Yvelines).",
         year{2026} / std::chrono::November},
        {"this year's month",
         {"2", "26", "11", "78", "646", "001"},
         "Rien à signaler\nFemme, née en novembre 2026 à Versailles (Yvelines), ou en novembre "
         "1926 à Versailles (Seine-et-Oise, aujourd'hui Yvelines).",
         year{2026} / std::chrono::November},
        {"above this year",
         {"2", "27", "05", "78", "646", "001"},
         "Rien à signaler\nFemme, née en mai 1927 à Versailles (Seine-et-Oise, aujourd'hui "
         "Yvelines)."},
        {"only the earlier fits, at an age few reach",
         {"1", "10", "05", "20", "004", "001"},
         "À vérifier\nAnnée 10 lue 1910, soit 116 ans aujourd'hui\u00A0: lue 2010, elle ne va "
         "pas avec le lieu.\nHomme, né en mai 1910 à Ajaccio (Corse, aujourd'hui Corse-du-Sud)."},
        {"only the earlier fits, at the age of the oldest ever",
         {"1", "04", "05", "20", "004", "001"},
         "À vérifier\nAnnée 04 lue 1904, soit 122 ans aujourd'hui\u00A0: lue 2004, elle ne va "
         "pas avec le lieu.\nHomme, né en mai 1904 à Ajaccio (Corse, aujourd'hui Corse-du-Sud)."},
        {"only the earlier fits, at an age many reach",
         {"1", "16", "05", "20", "004", "001"},
         "Rien à signaler\nHomme, né en mai 1916 à Ajaccio (Corse, aujourd'hui Corse-du-Sud)."},
        {"only the earlier fits, at an age none reached",
         {"1", "03", "05", "20", "004", "001"},
         "Numéro impossible\nAucun département 20 en mai 2003\u00A0: Corse jusqu'en 1975.\nHomme, "
         "né en mai 2003."},
        {"wrong in both: the later said",
         {"1", "15", "05", "00", "004", "001"},
         "Numéro impossible\nAucun département 00.\nHomme, né en mai 2015."},
    });
}

// Countries as INSEE's list named them at the birth; Algeria before 3 July 1962 is no country
// abroad, Morocco and Tunisia were protectorates.
TEST(ReadNumber, NamesACountryAsItWasThen) {
    check({
        {"today's name",
         {"1", "85", "05", "99", "134", "001"},
         "Rien à signaler\nHomme, né en mai 1985 à l'étranger (Espagne)."},
        {"Czechoslovakia, its last year",
         {"1", "92", "12", "99", "116", "001"},
         "Rien à signaler\nHomme, né en décembre 1992 à l'étranger (Tchécoslovaquie, aujourd'hui "
         "Tchéquie)."},
        {"Czechia, its first month",
         {"1", "93", "01", "99", "116", "001"},
         "Rien à signaler\nHomme, né en janvier 1993 à l'étranger (Tchéquie)."},
        {"the USSR",
         {"1", "75", "05", "99", "123", "001"},
         "Rien à signaler\nHomme, né en mai 1975 à l'étranger (URSS, aujourd'hui Russie)."},
        {"the USSR's last month",
         {"1", "91", "12", "99", "123", "001"},
         "Rien à signaler\nHomme, né en décembre 1991 à l'étranger (URSS, puis Russie le 26 "
         "décembre 1991)."},
        {"Yugoslavia",
         {"1", "75", "05", "99", "121", "001"},
         "Rien à signaler\nHomme, né en mai 1975 à l'étranger (Yougoslavie, aujourd'hui "
         "Serbie)."},
        {"Serbia and Montenegro",
         {"1", "05", "05", "99", "121", "001"},
         "Rien à signaler\nHomme, né en mai 2005 à l'étranger (Serbie-et-Monténégro, aujourd'hui "
         "Serbie)."},
        {"a country since",
         {"1", "80", "05", "99", "148", "001"},
         "Rien à signaler\nHomme, né en mai 1980 à l'étranger (aujourd'hui Biélorussie)."},
        {"Algeria, French",
         {"1", "50", "05", "99", "352", "001"},
         "Rien à signaler\nHomme, né en mai 1950 en Algérie (alors française)."},
        {"Algeria, the month of its independence",
         {"1", "62", "07", "99", "352", "001"},
         "Rien à signaler\nHomme, né en juillet 1962 en Algérie (française jusqu'au 2 juillet "
         "1962)."},
        {"Algeria, independent",
         {"1", "62", "08", "99", "352", "001"},
         "Rien à signaler\nHomme, né en août 1962 à l'étranger (Algérie)."},
        {"Morocco, a protectorate",
         {"1", "50", "05", "99", "350", "001"},
         "Rien à signaler\nHomme, né en mai 1950 à l'étranger (Maroc, alors protectorat "
         "français)."},
        {"France is not abroad",
         {"1", "85", "05", "99", "100", "001"},
         "Numéro impossible\nLe code 99\u00A0100 est celui de la France\u00A0: il ne peut pas "
         "être celui d'une naissance à l'étranger.\nHomme, né en mai 1985 à l'étranger (France)."},
        {"a code between two listed ones",
         {"1", "85", "05", "99", "115", "001"},
         "À vérifier\nPas de pays 115 connu dans la liste des pays.\nHomme, né en mai 1985 à "
         "l'étranger."},
    });
}

// The lists are sure of what they date: a code they know named nothing then cannot be. A code
// they never knew may be an extension code they do not list: to check, never wrong.
TEST(ReadNumber, CallsImpossibleOnlyWhatTheListsAreSureOf) {
    check({
        {"a commune moved away",
         {"1", "90", "01", "75", "044", "001"},
         "Numéro impossible\nAucune commune 044 à Paris en janvier 1990\u00A0: Levallois-Perret "
         "jusqu'en 1967.\nHomme, né en janvier 1990 à Paris."},
        {"a code unknown to the lists",
         {"1", "85", "05", "78", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans les Yvelines.\nHomme, né en mai 1985 dans "
         "les Yvelines."},
        {"a commune not made yet: the first after",
         {"1", "57", "12", "57", "766", "001"},
         "Numéro impossible\nAucune commune 766 en Moselle en décembre 1957\u00A0: "
         "Saint-Nicolas-en-Forêt de 1958 à 1969.\nHomme, né en décembre 1957 en Moselle."},
        {"its first month",
         {"1", "58", "01", "57", "766", "001"},
         "Rien à signaler\nHomme, né en janvier 1958 à Saint-Nicolas-en-Forêt (Moselle), "
         "aujourd'hui Hayange."},
        {"its last month",
         {"1", "69", "12", "57", "766", "001"},
         "Rien à signaler\nHomme, né en décembre 1969 à Saint-Nicolas-en-Forêt (Moselle), "
         "aujourd'hui Hayange."},
        {"the month after its end: the last before",
         {"1", "70", "01", "57", "766", "001"},
         "Numéro impossible\nAucune commune 766 en Moselle en janvier 1970\u00A0: "
         "Saint-Nicolas-en-Forêt de 1958 à 1969.\nHomme, né en janvier 1970 en Moselle."},
        {"a commune merged on the first of a month: the month after",
         {"1", "64", "09", "01", "201", "001"},
         "Numéro impossible\nAucune commune 201 dans l'Ain en septembre 1964\u00A0: Lacoux "
         "jusqu'au 31 août 1964.\nHomme, né en septembre 1964 dans l'Ain."},
        {"the month before",
         {"1", "64", "08", "01", "201", "001"},
         "Rien à signaler\nHomme, né en août 1964 à Lacoux (Ain), aujourd'hui Plateau "
         "d'Hauteville."},
        {"a department renamed during the birth month, no commune known",
         {"1", "70", "04", "04", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans les Basses-Alpes.\nHomme, né en avril 1970 "
         "dans les Basses-Alpes, devenues Alpes-de-Haute-Provence le 13 avril 1970."},
        {"a period starting on another day than the first",
         {"1", "47", "03", "20", "366", "001"},
         "Numéro impossible\nAucune commune 366 en Corse en mars 1947\u00A0: Chisa du 12 avril "
         "1947 à 1975.\nHomme, né en mars 1947 en Corse."},
        {"the lists' first month",
         {"1", "43", "01", "20", "366", "001"},
         "Numéro impossible\nAucune commune 366 en Corse en janvier 1943\u00A0: Chisa du 12 avril "
         "1947 à 1975.\nHomme, né en janvier 1943 en Corse."},
        {"the month before the lists",
         {"1", "42", "12", "20", "366", "001"},
         "À vérifier\nPas de commune 366 connue en Corse\u00A0: Chisa du 12 avril 1947 à 1975.\n"
         "Homme, né en décembre 1942 en Corse."},
        {"without a year",
         {"1", "xx", "05", "78", "999", "001"},
         "À vérifier\nPas de commune 999 connue dans les Yvelines.\nChiffres attendus\u00A0: "
         "année (2 chiffres).\nHomme, né en mai dans les Yvelines."},
        {"a department ended",
         {"1", "85", "05", "20", "004", "001"},
         "Numéro impossible\nAucun département 20 en mai 1985\u00A0: Corse jusqu'en 1975.\nHomme, "
         "né en mai 1985."},
        {"Algeria's codes after its independence",
         {"1", "62", "12", "91", "123", "001"},
         "Numéro impossible\nAucun département 91 en décembre 1962\u00A0: Algérie jusqu'au 2 "
         "juillet 1962, Essonne depuis 1968.\nHomme, né en décembre 1962."},
        {"Morocco's code between",
         {"1", "65", "05", "95", "004", "001"},
         "Numéro impossible\nAucun département 95 en mai 1965\u00A0: Maroc (protectorat) jusqu'au "
         "1er mars 1956, Val-d'Oise depuis 1968.\nHomme, né en mai 1965."},
        {"a code never used",
         {"1", "85", "05", "00", "001", "001"},
         "Numéro impossible\nAucun département 00.\nHomme, né en mai 1985."},
        {"92 before 1968: Boulogne was in the Seine",
         {"1", "65", "01", "92", "012", "001"},
         "Numéro impossible\n92 n'existait pas en janvier 1965\u00A0: Boulogne-Billancourt était "
         "alors 75\u00A0012 (Seine).\nHomme, né en janvier 1965."},
        {"2A before 1976",
         {"1", "70", "05", "2A", "004", "001"},
         "Numéro impossible\n2A n'existait pas en mai 1970\u00A0: Ajaccio était alors 20\u00A0004 "
         "(Corse).\nHomme, né en mai 1970."},
        {"a commune merged after the dated lists: today's name after them",
         {"1", "24", "05", "01", "039", "001"},
         "Rien à signaler\nHomme, né en mai 2024 à Culoz-Béon (Ain), ou en mai 1924 à Béon (Ain), "
         "aujourd'hui Culoz-Béon.",
         year{2026} / std::chrono::May},
    });
}

// Parts that cannot be read are said by what they should hold; any text gives a reading.
TEST(ReadNumber, TakesAnyText) {
    check({
        {"blanks skipped as the key skips them",
         {"1 ", " 85", "0 5", "7\t8", "6 4 6", "0\n01"},
         "Rien à signaler\nHomme, né en mai 1985 à Versailles (Yvelines)."},
        {"all empty",
         {"", "", "", "", "", ""},
         "À vérifier\nChiffres attendus\u00A0: sexe (1 chiffre), année (2 chiffres), mois (2 "
         "chiffres), département (2 chiffres, ou 2A, 2B), commune (3 chiffres), rang (3 "
         "chiffres)."},
        {"wrong widths",
         {"1", "5", "5", "2C", "2A0", "84"},
         "À vérifier\nChiffres attendus\u00A0: année (2 chiffres), mois (2 chiffres), département "
         "(2 chiffres, ou 2A, 2B), commune (3 chiffres), rang (3 chiffres).\nHomme."},
        {"overseas without its commune",
         {"2", "85", "05", "97", "4x1", "001"},
         "À vérifier\nChiffres attendus\u00A0: commune (3 chiffres).\nFemme, née en mai 1985 "
         "outre-mer."},
        {"markup and bytes of no text",
         {"<b>1</b>", "85", "05", "99", "\xC3\xA9\xFF", "\xE2\x80\xAE"},
         "À vérifier\nChiffres attendus\u00A0: sexe (1 chiffre), commune (3 chiffres), rang (3 "
         "chiffres).\nNé(e) en mai 1985 à l'étranger."},
    });
}

} // namespace
} // namespace vardelis
