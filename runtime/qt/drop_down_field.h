#pragma once

#include <QComboBox>

namespace vardelis::runtime {

// The window's editable drop-down field: an edit box with a list of codes below it. It behaves as
// a plain edit-and-list box does on the desktop it was drawn for:
// - it keeps exactly what is typed: no completion from the list, and Enter adds nothing to it;
// - the mouse wheel changes its text only while it has the keyboard focus;
// - coming to it by keyboard, at start-up or back from another window selects its whole text, so
//   that typing replaces it;
// - its background colour covers the edit box, the frame around it and the open list alike, and
//   its text is black on it whatever the desktop's theme, so that the numbers stay readable on
//   dark themes too.
class DropDownField : public QComboBox {
    Q_OBJECT

public:
    DropDownField(const QStringList& items, const QColor& background, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace vardelis::runtime
