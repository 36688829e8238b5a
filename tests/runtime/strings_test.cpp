#include "runtime/core/resume_next.h"
#include "runtime/core/runtime_error.h"
#include "runtime/core/strings.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

namespace vardelis::runtime {
namespace {

TEST(Str, PutsABlankWhereTheSignGoes) {
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(42), " 42");
    EXPECT_EQ(Str(-42), "-42");
    EXPECT_EQ(Str(INT_MIN), "-2147483648");
}

TEST(Trim, RemovesSpacesAroundOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(Chr, GivesOneCharacterInUtf8) {
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(0xE9), "\xC3\xA9"); // é
    EXPECT_EQ(Chr(0xB0), "\xC2\xB0"); // °
    for (const int code : {-1, 256}) {
        try {
            (void)Chr(code);
            ADD_FAILURE() << "Chr(" << code << ") raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 5);
        }
    }
}

TEST(RuntimeError, DescribesItselfInFrench) {
    EXPECT_STREQ(RuntimeError(ErrorNumber::Overflow).description(), "Dépassement de capacité");
    EXPECT_STREQ(RuntimeError(ErrorNumber::DivisionByZero).what(), "Division par zéro");
    EXPECT_EQ(RuntimeError(ErrorNumber::OutOfMemory).number(), 7);
}

TEST(ResumeNext, AbandonsAFailingStatementAndRunsTheNext) {
    std::string trace;
    ResumeNext statement;
    statement([&] { trace += "a"; });
    EXPECT_EQ(statement.last_error_number(), 0);
    statement([&] {
        trace += "b";
        throw RuntimeError(ErrorNumber::Overflow);
    });
    statement([&] { trace += "c"; });
    EXPECT_EQ(trace, "abc");
    EXPECT_EQ(statement.last_error_number(), 6);
    statement([] { throw RuntimeError(ErrorNumber::DivisionByZero); });
    EXPECT_EQ(statement.last_error_number(), 11);
}

} // namespace
} // namespace vardelis::runtime
