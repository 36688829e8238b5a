#include "logic/logic.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vardelis {
namespace {

struct KeyCase {
    const char* name;
    KeyInputs inputs;
    const char* separator;
    const char* expected;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.name;
}

class ComputeKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ComputeKey, GivesTheExpectedText) {
    const auto& c = GetParam();
    EXPECT_EQ(compute_key(c.inputs, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComputeKey,
    testing::Values(
        KeyCase{"start_up_fields", {"1", "00", "01", "01", "000", "000"}, ",", "36"},
        KeyCase{"a_full_number", {"2", "93", "07", "75", "115", "042"}, ",", "26"},
        KeyCase{"all_empty", {"", "", "", "", "", ""}, ",", "97"},
        KeyCase{"multiple_of_97", {"", "", "", "", "", "97"}, ",", "97"},
        KeyCase{"larger_multiple_of_97", {"9", "70", "00", "00", "000", "097"}, ",", "97"},
        KeyCase{"key_below_ten", {"", "", "", "", "", "90"}, ",", "7"},
        KeyCase{"key_of_one", {"", "", "", "", "", "96"}, ",", "1"},
        KeyCase{"blanks_around", {"1 ", " 85", "01", "01", "000", "000"}, ",", "42"},
        KeyCase{"blanks_inside", {"1", "8 5", "0\t1", "0\n1", "0 00", "000"}, ",", "42"},
        KeyCase{"letter_ends_number", {"1", "85", "01", "2C", "000", "000"}, ",", "64"},
        KeyCase{"no_number", {"x", "85", "01", "01", "000", "000"}, ",", "97"},
        KeyCase{"negative", {"-1", "", "", "", "", ""}, ",", "1"},
        KeyCase{"negative_multiple", {"-", "97", "", "", "", ""}, ",", "97"},
        KeyCase{"negative_large", {"-1", "00", "01", "01", "000", "000"}, ",", "61"},
        // Corsica: 2A counts as 19, 2B as 18
        KeyCase{"corse_du_sud", {"1", "85", "01", "2A", "000", "000"}, ",", "41"},
        KeyCase{"haute_corse", {"1", "85", "01", "2B", "000", "000"}, ",", "68"},
        KeyCase{"haute_corse_lower_case", {"1", "85", "01", "2b", "000", "000"}, ",", "68"},
        KeyCase{
            "corsica_lower_case_with_blanks", {"1", "85", "01", " 2a\t", "000", "000"}, ",", "41"},
        KeyCase{"corsica_in_line_feeds", {"1", "85", "01", "\n2A\n", "000", "000"}, ",", "41"},
        KeyCase{"corsica_blank_inside", {"1", "85", "01", "2 A", "000", "000"}, ",", "41"},
        KeyCase{"corsica_blanks_all_over", {"1", "85", "01", " 2 a ", "000", "000"}, ",", "41"},
        KeyCase{"corsica_tab_inside", {"1", "85", "01", "2\tB", "000", "000"}, ",", "68"},
        KeyCase{"corsica_only_as_whole_field", {"1", "85", "01", "2AB", "000", "000"}, ",", "64"},
        // a failing step shows "Erreur", never a key
        KeyCase{"overflow_in_val", {"1E400", "", "", "", "", ""}, ",", "Erreur"},
        KeyCase{"overflow_in_hex", {"&H", std::string(300, 'F'), "", "", "", ""}, ",", "Erreur"},
        // fractions and huge numbers follow the double steps and the locale's separator
        KeyCase{"fraction_comma", {"1.5", "", "", "", "", ""}, ",", "95,5"},
        KeyCase{"fraction_point", {"1.5", "", "", "", "", ""}, ".", "95.5"},
        KeyCase{"beyond_2_to_53", {"123456789E12", "", "", "", "", ""}, ",", "16481"}));

// The key of any integer below 2^53 in magnitude is 97 - (N mod 97) with a floored remainder,
// whichever way its digits are spread over the six fields.
TEST(ComputeKeyProperty, MatchesExactIntegerArithmetic) {
    std::mt19937_64 random(20261207);
    constexpr std::int64_t limit = (std::int64_t{1} << 53) - 1;
    std::uniform_int_distribution<std::int64_t> number(-limit, limit);
    std::uniform_int_distribution<int> magnitude(0, 53);
    for (int i = 0; i < 100'000; ++i) {
        // Spread the values over every size, not only the 16-digit ones.
        const std::int64_t n = number(random) >> magnitude(random);
        const std::string text = std::to_string(n);
        std::uniform_int_distribution<std::size_t> cut(0, text.size());
        std::array<std::size_t, 7> cuts{0,           cut(random), cut(random), cut(random),
                                        cut(random), cut(random), text.size()};
        std::sort(cuts.begin() + 1, cuts.end() - 1);
        std::array<std::string, 6> fields;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            fields[f] = text.substr(cuts[f], cuts[f + 1] - cuts[f]);
        }
        const KeyInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
        const std::int64_t floored = ((n % 97) + 97) % 97;
        ASSERT_EQ(compute_key(inputs, ","), std::to_string(97 - floored)) << text;
    }
}

} // namespace
} // namespace vardelis
