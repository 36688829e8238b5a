#pragma once

#include <string_view>

class QWidget;

namespace vardelis::runtime {

// The message box styles this program uses, each with one OK button: 48 is the exclamation icon,
// 64 the information icon.
enum class MsgBoxStyle : int {
    Exclamation = 48,
    Information = 64,
};

// Shows a modal message box over the window given, or else over the active window, and waits
// until it is closed. Each line of the text, separated by a carriage return alone, is shown on a
// line of its own.
void MsgBox(std::string_view text, MsgBoxStyle style, std::string_view title,
            QWidget* over = nullptr);

} // namespace vardelis::runtime
