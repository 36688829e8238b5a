#pragma once

#include <string>
#include <vector>

// What the command line takes from the system it runs on: its arguments in UTF-8 and its
// standard streams, written and read byte for byte. console_posix.cpp and console_windows.cpp
// each give it for their systems.
namespace vardelis::console {

// The program's arguments, its name left out, in UTF-8.
[[nodiscard]] std::vector<std::string> arguments(int argc, char** argv);

// Runs the command line on the standard streams, as of today's date, and returns its exit
// status. A program of the window subsystem (vardelis.exe on Windows) first takes its caller's
// console where its caller gave it no file or pipe.
int run_on_the_standard_streams(const std::vector<std::string>& arguments);

} // namespace vardelis::console
