#pragma once

#include <QRect>
#include <initializer_list>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QString;
class QWidget;

namespace vardelis::runtime {

// A place and size in twips, the unit of the window descriptions (1/1440 inch).
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// 15 twips make one pixel at 96 dots per inch; Qt scales logical pixels for denser screens.
constexpr int twips_per_pixel = 15;

[[nodiscard]] constexpr int to_pixels(int twips) {
    return twips / twips_per_pixel;
}
[[nodiscard]] QRect to_pixels(const TwipsRect& twips);

// Appends the items to the end of a drop-down field's list, in one batch, leaving the field's
// text as it was. Raises RuntimeError 7 when memory runs out.
void AddItems(QComboBox& field, const std::vector<std::string>& items);

// The text of a drop-down field (what its edit box shows), in UTF-8.
[[nodiscard]] std::string text_of(const QComboBox& field);

// Writes a label's caption. A one-line caption too wide for its label is cut on screen, so its
// tooltip then carries it whole. A label with no accessible name of its own is read by its
// caption, and Qt tells screen readers when that changes.
void set_caption(QLabel& label, const QString& caption);

// Makes Tab visit the widgets in this order, and Shift+Tab in the reverse order.
void set_focus_order(std::initializer_list<QWidget*> widgets);

} // namespace vardelis::runtime
