#pragma once

#include <chrono>
#include <iosfwd>
#include <string>
#include <vector>

// The command line: `vardelis --verifier [FICHIER…]` checks the numbers of files, or of the
// standard input, line by line, for scripts and scheduled tasks; it needs no display.
namespace vardelis {

// The exit statuses, as grep and diff give them.
enum CommandLineStatus : int {
    every_number_right = 0,
    some_number_not_right = 1,
    could_not_run = 2,
};

// Whether the arguments (the program's name left out) ask for the command line, not the window:
// they start with --verifier, --help, -h or --version.
[[nodiscard]] bool asks_for_the_command_line(const std::vector<std::string>& arguments);

// Runs the command line with these arguments (in UTF-8, the program's name left out), reading
// the standard input from in, writing data to out and messages, in French, to err. Each line
// read is written to out as it came, in UTF-8 (a line in Windows-1252 converted), with three
// columns after it: the verdict, the number's own key and what it says. Returns the exit status.
int run_command_line(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err, std::chrono::year_month today);

} // namespace vardelis
