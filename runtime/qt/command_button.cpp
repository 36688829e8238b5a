#include "runtime/qt/command_button.h"

#include <QKeyEvent>

namespace vardelis::runtime {

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool is_return = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Enter on the keypad carries the keypad modifier; any other modifier leaves the key alone.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!is_return || !plain) {
        QToolButton::keyPressEvent(event);
        return;
    }
    // A held key presses once, not once per repeat.
    if (!event->isAutoRepeat()) {
        click();
    }
    event->accept();
}

} // namespace vardelis::runtime
