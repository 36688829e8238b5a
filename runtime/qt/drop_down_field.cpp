#include "runtime/qt/drop_down_field.h"

#include <QFocusEvent>
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
    setEditable(true);
    // Qt's inline completion would turn a typed "5" into "500" behind the user's back.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Without the wheel among the ways to take the focus, scrolling over a field the user is not
    // in reaches wheelEvent below unfocused, and is passed on.
    setFocusPolicy(Qt::StrongFocus);
}

void DropDownField::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    // A click places the caret where it lands; any other way in selects the whole text.
    if (event->reason() != Qt::MouseFocusReason && lineEdit() != nullptr) {
        lineEdit()->selectAll();
    }
}

void DropDownField::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace vardelis::runtime
