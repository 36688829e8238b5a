#pragma once

class QCoreApplication;

namespace vardelis::runtime {

// Loads Qt's own French texts (buttons, context menus), so that the whole program reads in
// French: the system's copy, or the one the program carries (":/translations", on Windows).
// Returns false when there is neither; Qt's English texts then remain.
bool install_french_translations(QCoreApplication& application);

} // namespace vardelis::runtime
