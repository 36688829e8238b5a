#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
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

void drop_text_on(QLineEdit& edit, const QString& text) {
    QMimeData dragged;
    dragged.setText(text);
    const QPoint centre = edit.rect().center();
    // A drag comes in before it drops, which makes the edit box the drop's target.
    QDragEnterEvent enter(centre, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&edit, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&edit, &drop);
}

bool choose_coller_in_the_menu_of(QLineEdit& edit) {
    // The field shows its edit box's menu.
    QContextMenuEvent asked(QContextMenuEvent::Mouse, edit.rect().center(),
                            edit.mapToGlobal(edit.rect().center()));
    QApplication::sendEvent(edit.parentWidget(), &asked);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return false;
    }
    bool chosen = false;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("Co&ller"))) {
            action->trigger();
            chosen = true;
        }
    }
    menu->close();
    return chosen;
}

} // namespace vardelis::testing
