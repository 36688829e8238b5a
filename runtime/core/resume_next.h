#pragma once

#include "runtime/core/runtime_error.h"

#include <concepts>
#include <new>
#include <optional>
#include <utility>

namespace vardelis::runtime {

// Runs a statement and returns the run-time error it raised, if any. Running out of memory is
// the runtime's error 7, like any other run-time error.
template <std::invocable Statement>
std::optional<RuntimeError> trap_runtime_error(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(ErrorNumber::OutOfMemory);
    }
    return std::nullopt;
}

// The "resume next" error mode: each statement runs on its own, and one that raises a run-time
// error is abandoned so that the next one runs. Like the runtime's Err object, the mode keeps the
// number of the last error raised, so that the caller can tell afterwards that something failed.
class ResumeNext {
public:
    template <std::invocable Statement>
    void operator()(Statement&& statement) {
        if (const auto error = trap_runtime_error(std::forward<Statement>(statement))) {
            last_error_number_ = error->number();
        }
    }

    // 0 while no statement has failed.
    [[nodiscard]] int last_error_number() const noexcept { return last_error_number_; }

private:
    int last_error_number_ = 0;
};

} // namespace vardelis::runtime
