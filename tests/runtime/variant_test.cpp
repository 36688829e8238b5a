#include "runtime/core/runtime_error.h"
#include "runtime/core/variant.h"
#include "runtime/core/variant_text.h"

#include <cfloat>
#include <functional>
#include <gtest/gtest.h>
#include <iomanip>
#include <ostream>
#include <vector>

namespace vardelis::runtime {
namespace {

TEST(VariantArithmetic, EmptyCountsAsZero) {
    const Variant empty;
    EXPECT_EQ((empty - Variant(5)).number(), -5);
    EXPECT_EQ((Variant(5) * empty).number(), 0);
    EXPECT_EQ((empty / Variant(97)).number(), 0);
    EXPECT_EQ(Int(empty).number(), 0);
    EXPECT_FALSE(Int(empty).is_empty());
}

TEST(VariantArithmetic, IntRoundsTowardsMinusInfinity) {
    EXPECT_EQ(Int(Variant(2.7)).number(), 2);
    EXPECT_EQ(Int(Variant(-2.2)).number(), -3);
    EXPECT_EQ(Int(Variant(-3)).number(), -3);
}

TEST(VariantArithmetic, RaisesTheRuntimesErrors) {
    const Variant huge(DBL_MAX);
    struct Case {
        const char* operation;
        std::function<Variant()> run;
        int error;
    };
    const std::vector<Case> cases = {
        {"max * 2", [&] { return huge * Variant(2); }, 6},
        {"-max - max", [&] { return Variant(-DBL_MAX) - huge; }, 6},
        {"max / 0.5", [&] { return huge / Variant(0.5); }, 6},
        {"1 / 0", [] { return Variant(1) / Variant(0); }, 11},
        {"0 / 0", [] { return Variant(0) / Variant(); }, 6},
    };
    for (const auto& c : cases) {
        try {
            (void)c.run();
            ADD_FAILURE() << c.operation << " raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), c.error) << c.operation;
        }
    }
}

struct TextCase {
    double value;
    const char* separator;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.expected;
}

class VariantToText : public testing::TestWithParam<TextCase> {};

TEST_P(VariantToText, FollowsTheRuntimesRules) {
    const auto& c = GetParam();
    EXPECT_EQ(variant_to_text(Variant(c.value), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, VariantToText,
    testing::Values(
        // integral magnitudes below 10^15: plain digits
        TextCase{36, ",", "36"}, TextCase{7, ",", "7"}, TextCase{97, ".", "97"},
        TextCase{0, ",", "0"}, TextCase{-0.0, ",", "0"}, TextCase{-12, ",", "-12"},
        TextCase{999999999999999, ",", "999999999999999"},
        TextCase{-999999999999999, ".", "-999999999999999"},
        // fractions: up to 15 significant digits, the locale's separator
        TextCase{0.5, ",", "0,5"}, TextCase{0.5, ".", "0.5"}, TextCase{-2.25, ",", "-2,25"},
        TextCase{96.99999999999999, ",", "97"}, TextCase{1.0 / 3, ",", "0,333333333333333"},
        TextCase{0.0001, ",", "0,0001"}, TextCase{12345678901234.5, ",", "12345678901234,5"},
        TextCase{2.5, "\xD9\xAB",
                 "2\xD9\xAB"
                 "5"},
        // huge and tiny magnitudes: exponent form
        TextCase{1e15, ",", "1E+15"}, TextCase{-1e15, ",", "-1E+15"},
        TextCase{1.5e-5, ",", "1,5E-05"}, TextCase{1.5e-5, ".", "1.5E-05"},
        TextCase{1234567890123456789.0, ",", "1,23456789012346E+18"},
        TextCase{DBL_MAX, ".", "1.79769313486232E+308"},
        TextCase{5e-324, ",", "4,94065645841247E-324"}));

TEST(VariantToTextEmpty, IsEmptyText) {
    EXPECT_EQ(variant_to_text(Variant(), ","), "");
}

} // namespace
} // namespace vardelis::runtime
