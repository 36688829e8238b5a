#include "runtime/qt/drop_down_field.h"

#include "runtime/qt/field_edit_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <QWheelEvent>

namespace vardelis::runtime {

DropDownField::DropDownField(const QStringList& items, const QColor& background, QWidget* parent)
    : QComboBox(parent) {
    // Set on the field itself, the colours reach its edit box, the frame around it and its list.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    // The lists hold plain texts: a string list model fills far faster than one item object per
    // text.
    setModel(new QStringListModel(items, this));
    // The edit box gets the field's colours itself: the Windows style paints an edit box with its
    // theme's white unless the edit box's own palette sets a colour.
    setEditable(true);
    auto* edit = new FieldEditBox(this);
    edit->setPalette(colours);
    setLineEdit(edit);
    connect(edit, &FieldEditBox::inserted, this, &DropDownField::inserted);
    // Qt's inline completion would turn a typed "5" into "500" behind the user's back.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Without the wheel among the ways to take the focus, scrolling over a field the user is not
    // in reaches wheelEvent below unfocused, and is passed on.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::editTextChanged, this, &DropDownField::follow_typed_text);
}

void DropDownField::follow_typed_text(const QString& text) {
    // The item has the field's text already, so the edit box, its caret and its undo stay as
    // they are.
    const int item = findText(text);
    if (item >= 0 && item != currentIndex()) {
        setCurrentIndex(item);
    }
}

// Called before the list is stepped through or opened: once the text is no item, no item is
// current, so that Down starts from the top of the list, Up does nothing and the open list shows
// nothing chosen. Qt empties the edit box along with the current item, so the text is put back.
void DropDownField::forget_the_item_left_behind() {
    if (currentIndex() < 0 || itemText(currentIndex()) == currentText()) {
        return;
    }
    const QString text = currentText();
    const int caret = lineEdit()->cursorPosition();
    setCurrentIndex(-1);
    setEditText(text);
    lineEdit()->setCursorPosition(caret);
}

void DropDownField::offer_lines_to(std::function<bool(const QString& text)> taker) {
    static_cast<FieldEditBox*>(lineEdit())->offer_lines_to(std::move(taker));
}

void DropDownField::showPopup() {
    forget_the_item_left_behind();
    QComboBox::showPopup();
}

void DropDownField::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // A click places the caret where it lands; any other way in selects the whole text.
    if (event->reason() != Qt::MouseFocusReason && lineEdit() != nullptr) {
        lineEdit()->selectAll();
    }
}

void DropDownField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        forget_the_item_left_behind();
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void DropDownField::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    forget_the_item_left_behind();
    QComboBox::wheelEvent(event);
}

} // namespace vardelis::runtime
