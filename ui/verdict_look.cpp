#include "ui/verdict_look.h"

#include <QPalette>
#include <QStyle>

namespace vardelis {

Look look_of(Weight weight) {
    switch (weight) {
    case Weight::nothing:
        return Look::fine;
    case Weight::to_check:
        return Look::to_check;
    case Weight::impossible:
        return Look::wrong;
    }
    return Look::neutral;
}

Look look_of(Verdict verdict) {
    switch (verdict) {
    case Verdict::right:
        return Look::fine;
    case Verdict::no_key:
    case Verdict::no_number:
        return Look::neutral;
    case Verdict::to_check:
        return Look::to_check;
    case Verdict::wrong_key:
        return Look::wrong;
    }
    return Look::neutral;
}

// Dark on a light theme, light on a dark one.
QColor text_colour(Look look, const QPalette& palette) {
    const bool dark_theme = palette.color(QPalette::Window).lightness() < 128;
    switch (look) {
    case Look::fine:
        return dark_theme ? QColor(0x81, 0xc7, 0x84) : QColor(0x1b, 0x5e, 0x20);
    case Look::to_check:
        return dark_theme ? QColor(0xff, 0xcc, 0x80) : QColor(0x85, 0x4d, 0x00);
    case Look::wrong:
        return dark_theme ? QColor(0xff, 0x9e, 0x9e) : QColor(0xb0, 0x00, 0x20);
    case Look::neutral:
        break;
    }
    return palette.color(QPalette::WindowText);
}

QIcon icon_of(Look look, const QStyle& style) {
    switch (look) {
    case Look::fine:
        return style.standardIcon(QStyle::SP_DialogApplyButton);
    case Look::to_check:
        return style.standardIcon(QStyle::SP_MessageBoxWarning);
    case Look::wrong:
        return style.standardIcon(QStyle::SP_MessageBoxCritical);
    case Look::neutral:
        break;
    }
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

} // namespace vardelis
