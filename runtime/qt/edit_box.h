#pragma once

#include <QLineEdit>

namespace vardelis::runtime {

// The edit box of a drop-down field. It edits as any line edit does, and tells when a paste has
// put text into it, by any of the desktop's ways: the paste keys (Ctrl+V, Shift+Insert), its menu's
// "Coller", and on X11 the middle button, which brings the text last selected anywhere.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EditBox(QWidget* parent);

signals:
    // After the paste, with the text it brought.
    void pasted(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace vardelis::runtime
