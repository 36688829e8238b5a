#pragma once

class QApplication;

namespace vardelis {

// Gives the application its name (the title of the runtime's error box), its icon and Qt's
// French texts. The program and the window tests both start this way.
void prepare_application(QApplication& application);

} // namespace vardelis
