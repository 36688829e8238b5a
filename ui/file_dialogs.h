#pragma once

#include <QString>

class QWidget;

namespace vardelis {

// The desktop's own dialogs to choose a file: the path chosen, or an empty text when the user
// gave up. Each system's in a file of its own (file_dialogs_qt.cpp, file_dialogs_windows.cpp).

// A list to open: a .csv or .txt file, from the user's documents to begin with.
[[nodiscard]] QString list_to_open(QWidget* parent);
// Where to save a list as CSV, offering the name given, in the user's documents to begin with.
[[nodiscard]] QString list_to_save(QWidget* parent, const QString& name);

} // namespace vardelis
