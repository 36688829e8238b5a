#pragma once

class QCoreApplication;

namespace vardelis::runtime {

// Loads Qt's own French texts (buttons, context menus), so that the whole program reads in
// French. Returns false when they are not installed; Qt's English texts then remain.
bool install_french_translations(QCoreApplication& application);

} // namespace vardelis::runtime
