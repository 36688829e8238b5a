#pragma once

#include "logic/logic.h"

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QLabel;

namespace vardelis {

// What the key display copies: the key of the six fields as they are now, on two digits, or the
// whole number with it, whatever key the display shows; nothing, its menu's items greyed, when
// the fields hold no number. Its menu (right click), a double click and Ctrl+C on it copy.
class KeyCopies : public QObject {
    Q_OBJECT

public:
    // The fields' number, asked for at each copy and each change.
    KeyCopies(QLabel& display, std::function<std::optional<WholeNumber>()> fields_number);

    // The fields changed: the menu's items follow.
    void fields_changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy_key();
    void copy_whole_number();

    QLabel& display_;
    std::function<std::optional<WholeNumber>()> fields_number_;
    QAction* copy_key_;
    QAction* copy_whole_number_;
};

} // namespace vardelis
