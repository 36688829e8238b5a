#pragma once

#include <cmath>
#include <exception>

namespace vardelis::runtime {

// The run-time error numbers this program can meet.
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
};

// A run-time error: a number and its French description, as the runtime's error box shows them.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number) noexcept
        : number_(number) {}

    [[nodiscard]] int number() const noexcept { return static_cast<int>(number_); }
    [[nodiscard]] const char* description() const noexcept;
    [[nodiscard]] const char* what() const noexcept override { return description(); }

private:
    ErrorNumber number_;
};

// Throws the run-time error; kept out of line so that the paths that may raise stay small.
[[noreturn]] void raise_error(ErrorNumber number);

// The value itself, or RuntimeError 6 (overflow) when it lies beyond the double range. Every
// operation that makes a number checks its result this one way.
[[nodiscard]] inline double check_overflow(double value) {
    if (!std::isfinite(value)) [[unlikely]] {
        raise_error(ErrorNumber::Overflow);
    }
    return value;
}

} // namespace vardelis::runtime
