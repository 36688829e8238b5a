#pragma once

#include <QToolButton>

namespace vardelis::runtime {

// The window's command button: a picture above its caption. Space, Return and Enter each press it
// while it has the keyboard focus, as keyboard users expect of a button.
class CommandButton : public QToolButton {
    Q_OBJECT

public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vardelis::runtime
