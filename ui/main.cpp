#include "runtime/qt/program.h"
#include "ui/application.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vardelis::prepare_application(application);
    vardelis::Form1 form;
    return vardelis::runtime::run_program([&form] { form.start(); });
}
