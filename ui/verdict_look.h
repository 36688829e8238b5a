#pragma once

#include "logic/line_check.h"
#include "logic/reading/number_reading.h"

#include <QColor>
#include <QIcon>

class QPalette;
class QStyle;

namespace vardelis {

// How a verdict looks wherever the window shows one: an icon and a colour for the text, which
// keeps its contrast on light and dark themes alike. Screen readers get it in words.
enum class Look : std::uint8_t { fine, neutral, to_check, wrong };

[[nodiscard]] Look look_of(Weight weight);
[[nodiscard]] Look look_of(Verdict verdict);

[[nodiscard]] QColor text_colour(Look look, const QPalette& palette);
[[nodiscard]] QIcon icon_of(Look look, const QStyle& style);

} // namespace vardelis
