// The program used from start to end, as a person would: the window loads, "Calculer" shows the
// key, "A propos" is read and closed with OK, then "Quitter". Exits 0 when all went as expected.
// Small and quick, so that it can also run under valgrind.

#include "runtime/qt/program.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vardelis::prepare_application(application);
    vardelis::Form1 form;

    const auto button = [&form](const char* name) {
        return vardelis::testing::control<QToolButton>(form, name);
    };
    QString key;
    QString about_title;
    vardelis::testing::answer_next_message_box(
        [&about_title](QMessageBox& box) { about_title = box.windowTitle(); });
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    give_up.start(60'000); // valgrind is slow

    const int status = vardelis::runtime::run_program([&] {
        form.start();
        QTimer::singleShot(0, &form, [&] {
            button("Command2")->click();
            key = vardelis::testing::control<QLabel>(form, "LblCLE")->text();
            button("Command3")->click(); // returns once the box is answered
            button("Command1")->click();
        });
    });

    std::printf("status %d, key \"%s\", about box \"%s\"\n", status, qPrintable(key),
                qPrintable(about_title));
    return status == 0 && key == QLatin1String("36") && about_title == QLatin1String("A propos")
               ? 0
               : 1;
}
