#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace vardelis::runtime {

// Tells the text that each edit of the user inserts into a line edit, whatever the way: a paste
// by any key of any key scheme or by the menu's "Coller", the X selection pasted with the middle
// button or Ctrl+Shift+Insert, a drop from another program. What is told is the very text that
// went in, never text read again from a clipboard. Typing, one character at a time, is not told.
class InsertionWatch : public QObject {
    Q_OBJECT

public:
    explicit InsertionWatch(QLineEdit* edit);

signals:
    void inserted(const QString& text);

private:
    void remember_the_edit_box();
    void tell_what_went_in();

    QLineEdit* edit_;
    // The text before the user's edit, and the part of it that the edit replaces: the selection,
    // or an empty part at the caret.
    QString text_;
    int replaced_start_ = 0;
    int replaced_end_ = 0;
};

} // namespace vardelis::runtime
