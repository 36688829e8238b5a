#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>

namespace vardelis::runtime {

// The edit box of a drop-down field. It tells the text that a paste puts into it, whatever the
// way: a paste key of any key scheme, the menu's "Coller", the X selection pasted with the middle
// button or Ctrl+Shift+Insert, a drop from another program. What it tells is the very text that
// went in, never text read again from a clipboard. Typing, undo, redo, an input method's text and
// the program's own changes are never told. A text of several lines may be taken elsewhere
// instead, before it goes in.
class FieldEditBox : public QLineEdit {
    Q_OBJECT

public:
    // Whether a text about to be pasted or dropped was taken elsewhere, in which case the edit box
    // leaves it out.
    using TextTaker = std::function<bool(const QString& text)>;

    explicit FieldEditBox(QWidget* parent);

    // Offers every text of more than one line to the taker before it is pasted or dropped.
    void offer_lines_to(TextTaker taker);

signals:
    // After a paste or a drop put text of more than one character into the edit box.
    void inserted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Whether the text that a paste or a drop would put in, when it has more than one line, was
    // taken elsewhere.
    [[nodiscard]] bool taken_elsewhere(const QString& text) const;
    [[nodiscard]] bool taken_elsewhere(QClipboard::Mode mode) const;
    // Runs Qt's own handling of a paste that replaces the given number of characters at the
    // caret, then tells the text it put in.
    template <typename Paste> void tell_what(int replaced, Paste paste);

    TextTaker lines_taker_;
};

} // namespace vardelis::runtime
