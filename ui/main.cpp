#include "cli/command_line.h"
#include "cli/console.h"
#include "runtime/qt/program.h"
#include "ui/application.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The command line needs no display: it runs before Qt is asked for one.
    if (const std::vector<std::string> arguments = vardelis::console::arguments(argc, argv);
        vardelis::asks_for_the_command_line(arguments)) {
        return vardelis::console::run_on_the_standard_streams(arguments);
    }
    QApplication application(argc, argv);
    vardelis::prepare_application(application);
    vardelis::Form1 form;
    return vardelis::runtime::run_program([&form] { form.start(); });
}
