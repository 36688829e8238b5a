#include "runtime/qt/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace vardelis::runtime {
namespace {

// Moves the window so that its frame, as far as it is known yet, is centred on its screen.
void centre(QWidget& window) {
    const QRect centred =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.frameGeometry().size(),
                            window.screen()->availableGeometry());
    window.move(centred.topLeft()); // a window's position is its frame's
}

// Centres the window it watches again the first time it sees it with a frame, then goes.
class CentreWhenFramed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window != nullptr && event->type() == QEvent::Move &&
            window->frameGeometry().size() != window->size()) {
            window->removeEventFilter(this);
            deleteLater();
            centre(*window);
        }
        return false;
    }
};

} // namespace

void show_centred(QWidget& window) {
    centre(window);
    window.installEventFilter(new CentreWhenFramed(&window));
    window.show();
}

} // namespace vardelis::runtime
