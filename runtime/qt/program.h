#pragma once

#include <functional>

namespace vardelis::runtime {

// The exit status of a program ended by a run-time error that nobody trapped.
constexpr int untrapped_error_status = 1;

// Runs the program: the start-up runs as the first event of the event loop, which then goes on
// until the program ends. Returns the program's exit status.
int run_program(const std::function<void()>& start_up);

// Ends the program at once with this exit status: its windows are disabled and hidden, without
// a close event, so they take no further input and no handler of theirs runs; then the event loop
// returns.
void End(int status = 0);

// Runs an event handler that traps no run-time error of its own. An error that escapes it is
// shown in the runtime's error box, titled with the application's name, and ends the program with
// untrapped_error_status. Returns whether the handler ran to its end.
bool run_untrapped(const std::function<void()>& handler);

} // namespace vardelis::runtime
