#pragma once

#include <QComboBox>
#include <functional>

namespace vardelis::runtime {

// The window's editable drop-down field: an edit box with a list of codes below it. It behaves as
// a plain edit-and-list box does on the desktop it was drawn for:
// - it keeps exactly what is typed: no completion from the list, and Enter adds nothing to it;
// - the mouse wheel changes its text only while it has the keyboard focus;
// - coming to it by keyboard, at start-up or back from another window selects its whole text, so
//   that typing replaces it;
// - typed text that is one of its items makes that item the current one, so that Down, Up, the
//   wheel and the open list go on from it; other text leaves no item current;
// - text of more than one character that a paste, by any of the desktop's ways, or a drop puts
//   into its edit box is told, with that text; typing, undo and the program's changes are not;
// - its background colour covers the edit box, the frame around it and the open list alike, and
//   its text is black on it whatever the desktop's theme, so that the numbers stay readable on
//   dark themes too.
class DropDownField : public QComboBox {
    Q_OBJECT

public:
    DropDownField(const QStringList& items, const QColor& background, QWidget* parent);

    void showPopup() override;

    // Offers every text of more than one line to the taker before it is pasted or dropped into
    // the field, which leaves out what the taker took.
    void offer_lines_to(std::function<bool(const QString& text)> taker);

signals:
    // After the user put text of more than one character into the field, with that text.
    void inserted(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void follow_typed_text(const QString& text);
    void forget_the_item_left_behind();
};

} // namespace vardelis::runtime
