#include "runtime/qt/forms.h"

#include "runtime/core/resume_next.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QStringListModel>

namespace vardelis::runtime {

QRect to_pixels(const TwipsRect& twips) {
    return {to_pixels(twips.left), to_pixels(twips.top), to_pixels(twips.width),
            to_pixels(twips.height)};
}

void AddItems(QComboBox& field, const std::vector<std::string>& items) {
    // Running out of memory here reaches the caller as the runtime's error 7, like any failed
    // control operation.
    const auto error = trap_runtime_error([&] {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(items.size()));
        for (const std::string& item : items) {
            texts.append(QString::fromStdString(item));
        }
        // Filling an empty list makes its first item current, which would replace the text.
        const QString text = field.currentText();
        if (auto* list = qobject_cast<QStringListModel*>(field.model())) {
            // A plain list of texts takes the whole batch at once, with no object per item.
            list->setStringList(list->stringList() + texts);
        } else {
            field.addItems(texts);
        }
        field.setEditText(text);
    });
    if (error) {
        throw *error;
    }
}

std::string text_of(const QComboBox& field) {
    return field.currentText().toStdString();
}

void set_caption(QLabel& label, const QString& caption) {
    label.setText(caption);
    const int room = label.contentsRect().width() - 2 * label.margin();
    const bool cut = !label.wordWrap() && label.fontMetrics().horizontalAdvance(caption) > room;
    label.setToolTip(cut ? caption : QString());
}

void set_focus_order(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace vardelis::runtime
