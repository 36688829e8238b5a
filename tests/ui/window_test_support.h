#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace vardelis::testing {

// Waits for the next modal message box, hands it to inspect, then presses its first button.
// Call it before the action that opens the box: the box blocks until it is answered.
void answer_next_message_box(std::function<void(QMessageBox&)> inspect);

// The object name of the named control that holds the keyboard focus (a field's edit box counts
// as its field), or an empty text.
[[nodiscard]] QString focused_control();

} // namespace vardelis::testing
