#include "runtime/qt/field_edit_box.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace vardelis::runtime {

FieldEditBox::FieldEditBox(QWidget* parent)
    : QLineEdit(parent) {}

void FieldEditBox::offer_lines_to(TextTaker taker) {
    lines_taker_ = std::move(taker);
}

bool FieldEditBox::taken_elsewhere(const QString& text) const {
    return lines_taker_ && !isReadOnly() &&
           (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) &&
           lines_taker_(text);
}

bool FieldEditBox::taken_elsewhere(QClipboard::Mode mode) const {
    return taken_elsewhere(QApplication::clipboard()->text(mode));
}

// A paste puts its text in place of the part it replaces and leaves the caret after it: the text
// is what lies before the caret and was not there before. The edit box as it was when the paste
// began, and as it is when Qt is done with it, are all that is compared.
template <typename Paste> void FieldEditBox::tell_what(int replaced, Paste paste) {
    const QString before = text();
    paste();
    const QString after = text();
    const qsizetype length = after.size() - before.size() + replaced;
    const qsizetype end = cursorPosition();
    const qsizetype start = end - length;
    if (length < 2 || start < 0 ||
        after.left(start) + after.mid(end) != before.left(start) + before.mid(start + replaced)) {
        return;
    }
    emit inserted(after.mid(start, length));
}

// Every key scheme's paste keys, Ctrl+Shift+Insert (the X selection) among them; a paste takes
// the place of the selection.
void FieldEditBox::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool x_selection = event->key() == Qt::Key_Insert &&
                             event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                             QApplication::clipboard()->supportsSelection();
    if (taken_elsewhere(x_selection ? QClipboard::Selection : QClipboard::Clipboard)) {
        return;
    }
    tell_what(static_cast<int>(selectedText().size()), [&] { QLineEdit::keyPressEvent(event); });
}

// The middle button pastes the X selection at the caret, where its press put it.
void FieldEditBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    if (QApplication::clipboard()->supportsSelection() && taken_elsewhere(QClipboard::Selection)) {
        return;
    }
    tell_what(0, [&] { QLineEdit::mouseReleaseEvent(event); });
}

void FieldEditBox::dropEvent(QDropEvent* event) {
    if (taken_elsewhere(event->mimeData()->text())) {
        event->acceptProposedAction();
        return;
    }
    tell_what(0, [&] { QLineEdit::dropEvent(event); });
}

// Qt's own menu, whose "Coller" pastes through the edit box so that what it puts in is told.
void FieldEditBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString paste_text = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(paste_text)) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, [this] {
                if (taken_elsewhere(QClipboard::Clipboard)) {
                    return;
                }
                tell_what(static_cast<int>(selectedText().size()), [this] { paste(); });
            });
        }
    }
    menu->popup(event->globalPos());
}

} // namespace vardelis::runtime
