#include "runtime/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace vardelis::runtime {

void MsgBox(std::string_view text, MsgBoxStyle style, std::string_view title) {
    const QMessageBox::Icon icon =
        style == MsgBoxStyle::Information ? QMessageBox::Information : QMessageBox::NoIcon;
    QString lines = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    lines, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace vardelis::runtime
