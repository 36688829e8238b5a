#include "runtime/core/resume_next.h"
#include "runtime/core/runtime_error.h"
#include "runtime/core/strings.h"

#include <climits>
#include <gtest/gtest.h>
#include <new>
#include <string>
#include <utility>
#include <vector>

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
    const std::vector<std::pair<ErrorNumber, const char*>> descriptions = {
        {ErrorNumber::InvalidProcedureCall, "Argument ou appel de procédure incorrect"},
        {ErrorNumber::Overflow, "Dépassement de capacité"},
        {ErrorNumber::OutOfMemory, "Mémoire insuffisante"},
        {ErrorNumber::DivisionByZero, "Division par zéro"},
    };
    for (const auto& [number, description] : descriptions) {
        EXPECT_STREQ(RuntimeError(number).description(), description);
        EXPECT_STREQ(RuntimeError(number).what(), description);
    }
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
    // Running out of memory is error 7, like any other run-time error.
    statement([] { throw std::bad_alloc(); });
    EXPECT_EQ(statement.last_error_number(), 7);
}

} // namespace
} // namespace vardelis::runtime
