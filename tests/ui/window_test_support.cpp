#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vardelis::testing {

void answer_next_message_box(std::function<void(QMessageBox&)> inspect) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect = std::move(inspect)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        inspect(*box);
        box->buttons().first()->click();
    });
    poll->start(10);
}

QString message_box_shown_by(const std::function<void()>& action,
                             const std::function<void(QMessageBox&)>& inspect) {
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&shown, &inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && shown.isEmpty()) {
            shown = box->text();
            inspect(*box);
            box->buttons().first()->click();
        }
    });
    poll.start(10);
    action();
    QCoreApplication::processEvents();
    return shown;
}

QString focused_control(const QWidget* window) {
    const QWidget* focus = window != nullptr ? window->focusWidget() : QApplication::focusWidget();
    for (const QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_"))) {
            return widget->objectName();
        }
    }
    return {};
}

} // namespace vardelis::testing
