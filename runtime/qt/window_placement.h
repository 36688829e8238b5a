#pragma once

class QWidget;

namespace vardelis::runtime {

// Shows a top-level window with its whole frame, title bar included, centred on its screen. A
// window manager adds the frame only once the window is on the screen, so the window is centred
// again, once, when its frame appears; without a window manager it stays where it was put.
void show_centred(QWidget& window);

} // namespace vardelis::runtime
