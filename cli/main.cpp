// vardelis.com on Windows: the command line as a console program, which cmd.exe and PowerShell
// wait for, and whose exit status they give. Typed "vardelis", it comes before vardelis.exe, the
// window, which the same folder holds.

#include "cli/console.h"

int main(int argc, char** argv) {
    return vardelis::console::run_on_the_standard_streams(vardelis::console::arguments(argc, argv));
}
