#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLineEdit;
class QMessageBox;

namespace vardelis::testing {

// The window's control of that name; stops the test program when there is none.
template <typename Control>
[[nodiscard]] Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// Waits for the next modal message box, hands it to inspect, then presses its first button.
// Call it before the action that opens the box: the box blocks until it is answered.
void answer_next_message_box(std::function<void(QMessageBox&)> inspect);

// Runs the action, then the events it posted, and answers the message box they open, if any,
// once inspect has seen it. The text of that box, or an empty text when none opened.
[[nodiscard]] QString message_box_shown_by(const std::function<void()>& action,
                                           const std::function<void(QMessageBox&)>& inspect);

// The object name of the named control that holds the keyboard focus (a field's edit box counts
// as its field), or an empty text: in the active window, or in the window given, active or not.
[[nodiscard]] QString focused_control(const QWidget* window = nullptr);

// Brings text dragged from elsewhere over the edit box and drops it at its centre.
void drop_text_on(QLineEdit& edit, const QString& text);

// Opens the menu of a drop-down field's edit box as a right click does, chooses "Coller" in it
// and closes it. False when the menu or its "Coller" is missing.
[[nodiscard]] bool choose_coller_in_the_menu_of(QLineEdit& edit);

} // namespace vardelis::testing
