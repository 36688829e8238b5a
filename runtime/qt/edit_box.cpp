#include "runtime/qt/edit_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vardelis::runtime {

EditBox::EditBox(QWidget* parent)
    : QLineEdit(parent) {}

void EditBox::keyPressEvent(QKeyEvent* event) {
    const bool pasting = event->matches(QKeySequence::Paste) && !isReadOnly();
    QLineEdit::keyPressEvent(event);
    if (pasting) {
        emit pasted(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
    }
}

void EditBox::mouseReleaseEvent(QMouseEvent* event) {
    // Where the window system keeps a selection (X11), the line edit pastes it on this release.
    const bool pasting = event->button() == Qt::MiddleButton && !isReadOnly() &&
                         QGuiApplication::clipboard()->supportsSelection();
    QLineEdit::mouseReleaseEvent(event);
    if (pasting) {
        emit pasted(QGuiApplication::clipboard()->text(QClipboard::Selection));
    }
}

// The line edit's own menu, with Qt's French texts, whose "Coller" also tells. Its paste action is
// the one that shows the paste keys.
void EditBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    const QString paste_keys =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(paste_keys)) {
            // Connected after the line edit's own paste, so this runs once the text is in.
            connect(action, &QAction::triggered, this, [this] {
                emit pasted(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
            });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace vardelis::runtime
