#include "logic/line_check.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Keys worked out by hand: 97 minus the number modulo 97, 2A counting as 19 (1850578006084: 91;
// 1850578646084: 97; 2930719115042: 83).
namespace vardelis {
namespace {

constexpr std::chrono::year_month today = std::chrono::year{2026} / std::chrono::December;

TEST(FindNumber, FindsTheNumberThatStandsAloneInALine) {
    struct Row {
        const char* line;
        std::string found; // the characters found, or nothing
    };
    const std::vector<Row> rows = {
        {"1850578006084", "1850578006084"},
        {"185057800608491", "185057800608491"},
        {"Dupont;Jean;1 85 05 78 006 084 91;12", "1 85 05 78 006 084 91"},
        {"\"Dupont, Jean\",1.85.05.78.006.084,x", "1.85.05.78.006.084"},
        {"Dupont\t2 93 07 2A 115 042 83\t", "2 93 07 2A 115 042 83"},
        {"Dupont\t2-93-07-2b-115-042", "2-93-07-2b-115-042"},
        {"NIR : 1\u00A085\u00A005\u00A078\u00A0006\u00A0084",
         "1\u00A085\u00A005\u00A078\u00A0006\u00A0084"},
        {"\"1 85 05 78 006 084 91\"", "1 85 05 78 006 084 91"},
        {"1 85 05 78 006 084 91.", "1 85 05 78 006 084 91"},
        // Another number, then the first that is whole.
        {"12345;1 85 05 78 006 084", "1 85 05 78 006 084"},
        // Nothing guessed: digits run together with others, or too few or too many.
        {"12345 1 85 05 78 006 084 91", ""},
        {"A1850578006084", ""},
        {"1850578006084B", ""},
        {"185057800608", ""},
        {"18505780060849", ""},
        {"1850578006084917", ""},
        {"2 93 07 2C 115 042", ""},
        {"", ""},
    };
    for (const auto& [line, found] : rows) {
        SCOPED_TRACE(line);
        const std::optional<FoundNumber> number = find_number(line);
        ASSERT_EQ(number.has_value(), !found.empty());
        if (number) {
            EXPECT_EQ(std::string(line).substr(number->offset, number->length), found);
        }
    }
}

TEST(CheckLine, GivesEachLineItsVerdictAndTheRightKey) {
    struct Row {
        const char* line;
        Verdict verdict;
        std::string right_key;
        std::string given_key;
    };
    const std::vector<Row> rows = {
        {"Dupont;1 85 05 78 006 084 91", Verdict::right, "91", "91"},
        {"Dupont;1 85 05 78 006 084", Verdict::no_key, "91", ""},
        {"Dupont;1 85 05 78 006 084 19", Verdict::wrong_key, "91", "19"},
        {"1 85 05 78 646 084 97", Verdict::right, "97", "97"},
        {"2 93 07 2A 115 042 83", Verdict::right, "83", "83"},
        {"1 85 05 78 006 084 07", Verdict::wrong_key, "91", "07"},
        // The reading warns: a code no list knows; a department that did not exist.
        {"1 85 05 78 999 084", Verdict::to_check, "80", ""},
        {"1 85 05 20 004 001", Verdict::to_check, "54", ""},
        // A wrong key weighs more than a warning.
        {"1 85 05 78 999 084 01", Verdict::wrong_key, "80", "01"},
        {"Dupont;Jean", Verdict::no_number, "", ""},
        {"", Verdict::no_number, "", ""},
    };
    for (const auto& [line, verdict, right_key, given_key] : rows) {
        SCOPED_TRACE(line);
        const LineCheck check = check_line(line, today);
        EXPECT_EQ(check.verdict, verdict);
        EXPECT_EQ(check.right_key, right_key);
        EXPECT_EQ(check.found.has_value(), verdict != Verdict::no_number);
        EXPECT_EQ(check.reading.has_value(), verdict != Verdict::no_number);
        if (check.found) {
            EXPECT_EQ(check.found->number.key, given_key);
        }
    }
}

TEST(CheckLine, SaysEachVerdictInFrench) {
    EXPECT_EQ(verdict_in_french(Verdict::right), "Juste");
    EXPECT_EQ(verdict_in_french(Verdict::no_key), "Sans clé");
    EXPECT_EQ(verdict_in_french(Verdict::wrong_key), "Clé fausse");
    EXPECT_EQ(verdict_in_french(Verdict::to_check), "À vérifier");
    EXPECT_EQ(verdict_in_french(Verdict::no_number), "Pas de numéro");
}

} // namespace
} // namespace vardelis
