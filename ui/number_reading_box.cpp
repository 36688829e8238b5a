#include "ui/number_reading_box.h"

#include "logic/reading/place_search_in_french.h"
#include "logic/reading/reading_in_french.h"
#include "ui/verdict_look.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace vardelis {
namespace {

constexpr int verdict_icon_size = 16;

} // namespace

NumberReadingBox::NumberReadingBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Ce que dit le numéro"), parent)
    , verdict_icon_(new QLabel(this))
    , verdict_(new QLabel(this))
    , text_(new QLabel(this)) {
    setObjectName(QStringLiteral("NumberReading"));
    verdict_->setObjectName(QStringLiteral("NumberReadingVerdict"));
    text_->setObjectName(QStringLiteral("NumberReadingText"));
    // The icon says nothing the verdict's words do not: screen readers skip it.
    verdict_icon_->setAccessibleName(QString());
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    // The fields may hold any text: the reading is never taken for markup.
    for (QLabel* label : {verdict_, text_}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // It can be selected and copied with the mouse, and stays out of the Tab order.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* verdict_line = new QHBoxLayout;
    verdict_line->addWidget(verdict_icon_);
    verdict_line->addWidget(verdict_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(verdict_line);
    layout->addWidget(text_, 1);
}

void NumberReadingBox::show_reading(const NumberReading& reading, bool key_shown_is_another_numbers,
                                    const std::optional<PlaceComparison>& comparison) {
    weight_ = std::max(reading.weight(), comparison ? comparison->weight() : Weight::nothing);
    verdict_->setText(QString::fromStdString(verdict_in_french(weight_)));
    QString text = QString::fromStdString(in_french(reading));
    if (key_shown_is_another_numbers) {
        text.prepend(QStringLiteral("La clé affichée est celle du numéro précédent\u00A0: cliquez "
                                    "sur Calculer.\n\n"));
    }
    if (comparison) {
        text.prepend(QString::fromStdString(comparison_in_french(*comparison)) +
                     QStringLiteral("\n\n"));
    }
    text_->setText(text);
    paint_verdict();
}

void NumberReadingBox::paint_verdict() {
    QPalette palette = verdict_->palette();
    palette.setColor(QPalette::WindowText, text_colour(look_of(weight_), this->palette()));
    verdict_->setPalette(palette);
    const QIcon icon = icon_of(look_of(weight_), *style());
    verdict_icon_->setPixmap(
        icon.pixmap(QSize(verdict_icon_size, verdict_icon_size), devicePixelRatioF()));
}

// A theme changed while the window is open: the verdict takes its colours.
void NumberReadingBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        paint_verdict();
    }
}

} // namespace vardelis
