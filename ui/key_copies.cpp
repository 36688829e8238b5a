#include "ui/key_copies.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QToolTip>
#include <utility>

namespace vardelis {

KeyCopies::KeyCopies(QLabel& display, std::function<std::optional<WholeNumber>()> fields_number)
    : QObject(&display)
    , display_(display)
    , fields_number_(std::move(fields_number))
    , copy_key_(new QAction(QStringLiteral("Copier la clé"), &display))
    , copy_whole_number_(new QAction(QStringLiteral("Copier le numéro et sa clé"), &display)) {
    connect(copy_key_, &QAction::triggered, this, &KeyCopies::copy_key);
    connect(copy_whole_number_, &QAction::triggered, this, &KeyCopies::copy_whole_number);
    display.addActions({copy_key_, copy_whole_number_});
    display.setContextMenuPolicy(Qt::ActionsContextMenu);
    // A click gives it the keyboard, for Ctrl+C; it stays out of the Tab order.
    display.setFocusPolicy(Qt::ClickFocus);
    display.installEventFilter(this);
    fields_changed();
}

void KeyCopies::fields_changed() {
    const bool number = fields_number_().has_value();
    copy_key_->setEnabled(number);
    copy_whole_number_->setEnabled(number);
}

void KeyCopies::copy_key() {
    if (const std::optional<WholeNumber> number = fields_number_()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(number->key));
        // The key copied may not be the one shown: say which.
        QToolTip::showText(
            display_.mapToGlobal(display_.rect().bottomLeft()),
            QStringLiteral("Clé copiée\u00A0: %1").arg(QString::fromStdString(number->key)),
            &display_);
    }
}

void KeyCopies::copy_whole_number() {
    if (const std::optional<WholeNumber> number = fields_number_()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(written_whole(*number)));
    }
}

bool KeyCopies::eventFilter(QObject* watched, QEvent* event) {
    const bool double_click = event->type() == QEvent::MouseButtonDblClick;
    const bool copy_keys = event->type() == QEvent::KeyPress &&
                           static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (watched == &display_ && (double_click || copy_keys)) {
        copy_key();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vardelis
