#include "logic/number_reading.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vardelis {
namespace {

// What the six parts say, read in 2026 unless a row says otherwise. The places and their dates
// are INSEE's, as the public lists in data/ give them.
TEST(ReadNumber, SaysWhatThePartsSayWithThePlaceNamedAsItWasThen) {
    struct Row {
        KeyInputs parts;
        std::string reading;
        int current_year = 2026;
    };
    const std::vector<Row> rows = {
        {{"1", "85", "05", "78", "646", "084"}, "Homme, né en mai 1985 à Versailles (Yvelines)."},
        {{"2", "60", "03", "75", "044", "001"},
         "Femme, née en mars 1960 à Levallois-Perret (Seine, aujourd'hui Hauts-de-Seine)."},
        {{"2", "90", "03", "92", "044", "001"},
         "Femme, née en mars 1990 à Levallois-Perret (Hauts-de-Seine)."},
        // Renamed on 31 March 1955.
        {{"1", "50", "06", "01", "004", "001"},
         "Homme, né en juin 1950 à Ambérieu (Ain), aujourd'hui Ambérieu-en-Bugey."},
        {{"1", "55", "03", "01", "004", "001"},
         "Homme, né en mars 1955 à Ambérieu-en-Bugey (Ain)."},
        {{"1", "60", "06", "01", "004", "001"},
         "Homme, né en juin 1960 à Ambérieu-en-Bugey (Ain)."},
        {{"1", "70", "01", "20", "004", "001"},
         "Homme, né en janvier 1970 à Ajaccio (Corse, aujourd'hui Corse-du-Sud)."},
        {{"1", "90", "01", "2a", "004", "001"},
         "Homme, né en janvier 1990 à Ajaccio (Corse-du-Sud)."},
        {{"2", "76", "01", "2B", "033", "001"},
         "Femme, née en janvier 1976 à Bastia (Haute-Corse)."},
        {{"1", "50", "05", "76", "540", "001"},
         "Homme, né en mai 1950 à Rouen (Seine-Inférieure, aujourd'hui Seine-Maritime)."},
        {{"1", "57", "02", "44", "109", "001"},
         "Homme, né en février 1957 à Nantes (Loire-Inférieure, aujourd'hui Loire-Atlantique)."},
        {{"1", "57", "04", "44", "109", "001"},
         "Homme, né en avril 1957 à Nantes (Loire-Atlantique)."},
        {{"1", "69", "09", "64", "445", "001"},
         "Homme, né en septembre 1969 à Pau (Basses-Pyrénées, aujourd'hui Pyrénées-Atlantiques)."},
        {{"1", "65", "05", "04", "070", "001"},
         "Homme, né en mai 1965 à Digne (Basses-Alpes), aujourd'hui Digne-les-Bains "
         "(Alpes-de-Haute-Provence)."},
        {{"2", "89", "12", "22", "278", "001"},
         "Femme, née en décembre 1989 à Saint-Brieuc (Côtes-du-Nord, aujourd'hui Côtes-d'Armor)."},
        {{"1", "60", "05", "75", "115", "001"},
         "Homme, né en mai 1960 à Paris 15e Arrondissement (Seine, aujourd'hui Paris)."},
        {{"2", "75", "05", "75", "115", "001"},
         "Femme, née en mai 1975 à Paris 15e Arrondissement."},
        {{"1", "80", "05", "13", "201", "001"},
         "Homme, né en mai 1980 à Marseille 1er Arrondissement (Bouches-du-Rhône)."},
        {{"1", "80", "05", "76", "351", "001"}, "Homme, né en mai 1980 au Havre (Seine-Maritime)."},
        {{"1", "80", "05", "93", "045", "001"},
         "Homme, né en mai 1980 aux Lilas (Seine-Saint-Denis)."},
        {{"1", "60", "05", "75", "045", "001"},
         "Homme, né en mai 1960 aux Lilas (Seine, aujourd'hui Seine-Saint-Denis)."},
        // Merged in 1983 into Francheleins.
        {{"1", "50", "01", "01", "003", "001"},
         "Homme, né en janvier 1950 à Amareins (Ain), aujourd'hui Francheleins."},
        // The changes of 2020, and a commune that the history merged and today's list keeps as
        // a delegated one.
        {{"1", "19", "05", "24", "291", "001"},
         "Homme, né en mai 2019 à Montignac (Dordogne), aujourd'hui Montignac-Lascaux."},
        {{"1", "24", "05", "24", "291", "001"},
         "Homme, né en mai 2024 à Montignac-Lascaux (Dordogne)."},
        {{"2", "21", "05", "01", "341", "001"},
         "Femme, née en mai 2021 dans l'Ain.\nAucune commune 341 dans l'Ain en mai 2021\u00A0: "
         "Saint-Champ jusqu'en 2020."},
        {{"1", "18", "05", "14", "267", "001"},
         "Homme, né en mai 2018 à Feuguerolles-sur-Seulles (Calvados), aujourd'hui Aurseulles."},
        {{"1", "90", "06", "97", "411", "002"},
         "Homme, né en juin 1990 à Saint-Denis (La Réunion)."},
        {{"1", "15", "05", "97", "611", "001"}, "Homme, né en mai 2015 à Mamoudzou (Mayotte)."},
        {{"1", "90", "06", "98", "735", "002"},
         "Homme, né en juin 1990 à Papeete (Polynésie française)."},
        {{"1", "85", "05", "99", "134", "001"}, "Homme, né en mai 1985 à l'étranger (Espagne)."},
        {{"1", "85", "05", "99", "999", "001"},
         "Homme, né en mai 1985 à l'étranger.\nAucun pays 999 dans la liste des pays "
         "d'aujourd'hui."},
        {{"1", "55", "05", "91", "123", "001"}, "Homme, né en mai 1955 en Algérie."},
        {{"2", "62", "06", "94", "123", "001"}, "Femme, née en juin 1962 en Algérie."},
        {{"1", "50", "05", "95", "123", "001"}, "Homme, né en mai 1950 au Maroc."},
        {{"1", "50", "05", "96", "123", "001"}, "Homme, né en mai 1950 en Tunisie."},
        {{"1", "85", "05", "78", "999", "001"},
         "Homme, né en mai 1985 dans les Yvelines.\nAucune commune 999 dans les Yvelines en mai "
         "1985."},
        {{"1", "90", "01", "75", "044", "001"},
         "Homme, né en janvier 1990 à Paris.\nAucune commune 044 à Paris en janvier 1990\u00A0: "
         "Levallois-Perret jusqu'en 1967."},
        {{"1", "85", "05", "20", "004", "001"},
         "Homme, né en mai 1985.\nAucun département 20 en mai 1985\u00A0: Corse jusqu'en 1975."},
        {{"1", "65", "05", "95", "004", "001"},
         "Homme, né en mai 1965.\nAucun département 95 en mai 1965\u00A0: Maroc jusqu'en 1956, "
         "Val-d'Oise depuis 1968."},
        {{"1", "85", "05", "00", "001", "001"}, "Homme, né en mai 1985.\nAucun département 00."},
        // Before the lists start, and without a year, nothing is said to be missing for sure.
        {{"1", "35", "05", "78", "646", "001"},
         "Homme, né en mai 1935 à Versailles (Seine-et-Oise, aujourd'hui Yvelines)."},
        {{"1", "35", "05", "78", "999", "001"},
         "Homme, né en mai 1935 en Seine-et-Oise.\nPas de commune 999 connue en Seine-et-Oise."},
        {{"1", "xx", "05", "78", "999", "001"},
         "Homme, né en mai dans les Yvelines.\nPas de commune 999 connue dans les Yvelines.\n"
         "Chiffres attendus\u00A0: année 2."},
        {{"1", "85", "05", "984", "999", "001"},
         "Homme, né en mai 1985.\nChiffres attendus\u00A0: département 2 (ou 2A, 2B)."},
        // The century: up to the current year's last two digits, 20yy.
        {{"2", "26", "05", "78", "646", "001"}, "Femme, née en mai 2026 à Versailles (Yvelines)."},
        {{"2", "27", "05", "78", "646", "001"},
         "Femme, née en mai 1927 à Versailles (Seine-et-Oise, aujourd'hui Yvelines)."},
        {{"2", "10", "05", "78", "646", "001"},
         "Femme, née en mai 2010 à Versailles (Yvelines).",
         2010},
        {{"2", "11", "05", "78", "646", "001"},
         "Femme, née en mai 1911 à Versailles (Seine-et-Oise, aujourd'hui Yvelines).",
         2010},
        // Parts that say nothing, and parts that cannot be read.
        {{"5", "85", "05", "78", "646", "001"},
         "Né(e) en mai 1985 à Versailles (Yvelines).\nLe premier chiffre, 5, ne dit pas le sexe."},
        {{"1", "85", "13", "13", "100", "001"},
         "Homme, né en 1985 à Saint-Rémy-de-Provence (Bouches-du-Rhône).\nLe mois 13 n'est pas un "
         "mois du calendrier."},
        {{"1", "85", "00", "13", "100", "001"},
         "Homme, né en 1985 à Saint-Rémy-de-Provence (Bouches-du-Rhône).\nLe mois 00 n'est pas un "
         "mois du calendrier."},
        {{"1 ", " 85", "0 5", "7\t8", "6 4 6", "0\n01"},
         "Homme, né en mai 1985 à Versailles (Yvelines)."},
        {{"", "", "", "", "", ""},
         "Chiffres attendus\u00A0: sexe 1, année 2, mois 2, département 2 (ou 2A, 2B), commune 3, "
         "rang 3."},
        {{"1", "5", "5", "2C", "2A0", "84"},
         "Homme.\nChiffres attendus\u00A0: année 2, mois 2, département 2 (ou 2A, 2B), commune 3, "
         "rang 3."},
        {{"2", "85", "05", "97", "4x1", "001"},
         "Femme, née en mai 1985 outre-mer.\nChiffres attendus\u00A0: commune 3."},
        {{"1", "85", "05", "78", std::string(40, '6'), "001"},
         "Homme, né en mai 1985 dans les Yvelines.\nChiffres attendus\u00A0: commune 3."},
        {{"<b>1</b>", "85", "05", "99", "\xC3\xA9\xFF", "\xE2\x80\xAE"},
         "Né(e) en mai 1985 à l'étranger.\nChiffres attendus\u00A0: sexe 1, commune 3, rang 3."},
    };
    for (const auto& [parts, reading, current_year] : rows) {
        SCOPED_TRACE(parts.sex + " " + parts.year + " " + parts.month + " " + parts.department +
                     " " + parts.commune + " " + parts.rank);
        EXPECT_EQ(read_number(parts, current_year), reading);
    }
}

} // namespace
} // namespace vardelis
