#pragma once

#include <QString>
#include <QWidget>
#include <functional>

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

// The object name of the named control that holds the keyboard focus (a field's edit box counts
// as its field), or an empty text.
[[nodiscard]] QString focused_control();

} // namespace vardelis::testing
