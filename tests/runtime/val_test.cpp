#include "runtime/core/runtime_error.h"
#include "runtime/core/val.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vardelis::runtime {
namespace {

struct ValCase {
    const char* text;
    double expected;
};

// Names each case after its text, with blanks and other special characters spelled out.
void PrintTo(const ValCase& c, std::ostream* out) {
    *out << '[';
    for (const unsigned char ch : std::string_view(c.text)) {
        if (ch > ' ' && ch < 0x7F) {
            *out << ch;
        } else {
            *out << "\\x" << std::hex << static_cast<int>(ch) << std::dec;
        }
    }
    *out << ']';
}

class ValReads : public testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ValReads,
    testing::Values(
        // digits, and no digits at all
        ValCase{"1000101000000", 1000101000000.0}, ValCase{"", 0}, ValCase{"abc", 0},
        ValCase{"-", 0}, ValCase{".", 0}, ValCase{"0000", 0},
        // spaces, tabs and line feeds are dropped anywhere; a carriage return is not
        ValCase{" 1 2\t3\n4 ", 1234}, ValCase{"1 85", 185}, ValCase{"- 5", -5}, ValCase{"1\r2", 1},
        ValCase{"\t.5", 0.5},
        // sign
        ValCase{"-42", -42}, ValCase{"+42", 42}, ValCase{"--4", 0}, ValCase{"+-4", 0},
        // one decimal point, whatever the locale
        ValCase{"3.25", 3.25}, ValCase{"3,25", 3}, ValCase{"1.2.3", 1.2}, ValCase{"-.5", -0.5},
        ValCase{"0.000123", 0.000123},
        // exponent with E or D, either case
        ValCase{"1E3", 1000}, ValCase{"1e3", 1000}, ValCase{"1D3", 1000}, ValCase{"1d-3", 0.001},
        ValCase{"2.5E+2", 250}, ValCase{"1 E 2", 100}, ValCase{"1E", 1}, ValCase{"1E+", 1},
        ValCase{"1Ex", 1}, ValCase{"1E-400", 0},
        // hexadecimal and octal integers
        ValCase{"&HFF", 255}, ValCase{"&hff", 255}, ValCase{"&H 1 0", 16}, ValCase{"&HFFFF", 65535},
        ValCase{"&HFG", 15}, ValCase{"&O17", 15}, ValCase{"&o777", 511}, ValCase{"&O8", 0},
        ValCase{"&H", 0}, ValCase{"&X1", 0}, ValCase{"-&H10", 0},
        // the first character that cannot continue ends the number
        ValCase{"12abc34", 12}, ValCase{"1852A000000", 1852}, ValCase{"7%", 7}, ValCase{"1-2", 1},
        ValCase{"9\xC3\xA9"
                "9",
                9},
        // more digits than a 64-bit integer holds
        ValCase{"123456789012345678901234567890", 1.2345678901234568e29},
        ValCase{"18446744073709551617", 18446744073709551616.0}));

TEST(Val, KeepsEveryDigitOfIntegersUpTo2To53) {
    EXPECT_EQ(Val("9007199254740991"), 9007199254740991.0);
    EXPECT_EQ(Val("-9007199254740991"), -9007199254740991.0);
}

TEST(Val, RoundsLongNumbersToTheNearestDouble) {
    // 2^53 + 1 lies halfway between two doubles and rounds to the even one.
    EXPECT_EQ(Val("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(Val("0.1"), 0.1);
    EXPECT_EQ(Val("1.7976931348623157E308"), 1.7976931348623157e308);
}

TEST(Val, RaisesOverflowBeyondTheDoubleRange) {
    for (const std::string& text : std::vector<std::string>{
             "1E400", "-1E309", "1D999999999999999999999", "&H" + std::string(300, 'F'),
             std::string(400, '9'), "0.00001E315"}) {
        try {
            (void)Val(text);
            ADD_FAILURE() << "no overflow for " << text.substr(0, 40);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 6) << text.substr(0, 40);
        }
    }
}

TEST(Val, ReadsVeryLongTexts) {
    const std::string long_zeros = "0." + std::string(1'000'000, '0') + "1E1000010";
    EXPECT_DOUBLE_EQ(Val(long_zeros), 1e9);
    EXPECT_DOUBLE_EQ(Val(std::string(1'000'000, ' ') + "12"), 12);
}

} // namespace
} // namespace vardelis::runtime
