#pragma once

#include "runtime/core/runtime_error.h"

#include <concepts>
#include <new>
#include <utility>

namespace vardelis::runtime {

// The "resume next" error mode: each statement runs on its own, and one that raises a run-time
// error is abandoned so that the next one runs. Like the runtime's Err object, the mode keeps the
// number of the last error raised, so that the caller can tell afterwards that something failed.
class ResumeNext {
public:
    template <std::invocable Statement> void operator()(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (const RuntimeError& error) {
            last_error_number_ = error.number();
        } catch (const std::bad_alloc&) {
            last_error_number_ = static_cast<int>(ErrorNumber::OutOfMemory);
        }
    }

    // 0 while no statement has failed.
    [[nodiscard]] int last_error_number() const noexcept { return last_error_number_; }

private:
    int last_error_number_ = 0;
};

} // namespace vardelis::runtime
