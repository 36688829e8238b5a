#pragma once

#include "logic/reading/number_reading.h"
#include "logic/reading/place_comparison.h"

#include <QGroupBox>

class QLabel;

namespace vardelis {

// « Ce que dit le numéro »: the reading's verdict first, in words beside an icon and in a colour
// that stays readable on light and dark themes, then what the number says.
class NumberReadingBox : public QGroupBox {
    Q_OBJECT

public:
    explicit NumberReadingBox(QWidget* parent);

    // Shows the reading, after a line saying so when the key shown is that of another number, and
    // first how the place of birth typed compares with the number's, if it does.
    void show_reading(const NumberReading& reading, bool key_shown_is_another_numbers,
                      const std::optional<PlaceComparison>& comparison);

protected:
    void changeEvent(QEvent* event) override;

private:
    void paint_verdict();

    Weight weight_ = Weight::nothing;
    QLabel* verdict_icon_;
    QLabel* verdict_;
    QLabel* text_;
};

} // namespace vardelis
