#include "runtime/qt/program.h"

#include "runtime/core/resume_next.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vardelis::runtime {

int run_program(const std::function<void()>& start_up) {
    // Inside the loop, so that an error at start-up can end the program like any other.
    QTimer::singleShot(0, QCoreApplication::instance(), start_up);
    return QCoreApplication::exec();
}

void End(int status) {
    // Disabled windows take no more input, not even events already queued; hidden, they are gone
    // from the screen at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->setEnabled(false);
        window->hide();
    }
    QCoreApplication::exit(status);
}

bool run_untrapped(const std::function<void()>& handler) {
    const auto error = trap_runtime_error(handler);
    if (!error) {
        return true;
    }
    const QString text = QStringLiteral("Erreur d'exécution '%1' :\n\n%2")
                             .arg(error->number())
                             .arg(QString::fromUtf8(error->description()));
    QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(), text);
    End(untrapped_error_status);
    return false;
}

} // namespace vardelis::runtime
