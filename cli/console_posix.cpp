// The command line on Linux and other POSIX systems: the arguments are bytes already, in the
// locale's encoding, UTF-8 on every current desktop; the standard streams take bytes as they are.

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/today.h"

#include <iostream>

namespace vardelis::console {

std::vector<std::string> arguments(int argc, char** argv) {
    return {argv + std::min(argc, 1), argv + argc};
}

int run_on_the_standard_streams(const std::vector<std::string>& arguments) {
    std::ios::sync_with_stdio(false);
    return run_command_line(arguments, std::cin, std::cout, std::cerr, this_month());
}

} // namespace vardelis::console
