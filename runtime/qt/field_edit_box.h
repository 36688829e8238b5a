#pragma once

#include <QLineEdit>

namespace vardelis::runtime {

// The edit box of a drop-down field. It tells the text that a paste puts into it, whatever the
// way: a paste key of any key scheme, the menu's "Coller", the X selection pasted with the middle
// button or Ctrl+Shift+Insert, a drop from another program. What it tells is the very text that
// went in, never text read again from a clipboard. Typing, undo, redo, an input method's text and
// the program's own changes are never told.
class FieldEditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit FieldEditBox(QWidget* parent);

signals:
    // After a paste or a drop put text of more than one character into the edit box.
    void inserted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Runs Qt's own handling of a paste that replaces the given number of characters at the
    // caret, then tells the text it put in.
    template <typename Paste> void tell_what(int replaced, Paste paste);
};

} // namespace vardelis::runtime
