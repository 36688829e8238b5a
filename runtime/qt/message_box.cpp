#include "runtime/qt/message_box.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace vardelis::runtime {
namespace {

// The label in which a message box shows its text, known by that text; none if it has none.
QLabel* text_label(const QMessageBox& box) {
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    const auto shown = std::find_if(labels.begin(), labels.end(), [&box](const QLabel* label) {
        return label->text() == box.text();
    });
    return shown != labels.end() ? *shown : nullptr;
}

} // namespace

void MsgBox(std::string_view text, MsgBoxStyle style, std::string_view title, QWidget* over) {
    const QMessageBox::Icon icon =
        style == MsgBoxStyle::Information ? QMessageBox::Information : QMessageBox::Warning;
    QString lines = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    lines, QMessageBox::Ok, over != nullptr ? over : QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // Each line of the text stays on one line of the box: Qt would wrap long ones at half the
    // screen's width unless the label that shows the text asks for the room.
    if (QLabel* label = text_label(box)) {
        int widest = 0;
        for (const QString& line : lines.split(QLatin1Char('\n'))) {
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        }
        label->setMinimumWidth(widest + label->fontMetrics().averageCharWidth());
    }
    box.exec();
}

} // namespace vardelis::runtime
