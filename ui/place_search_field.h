#pragma once

#include "logic/places/place_search.h"

#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <vector>

class QCompleter;

namespace vardelis {

class PlaceProposals;

// « Lieu de naissance »: a name typed as the papers write it, and the places of that name at the
// birth proposed in a list, each with its department of then and its code. It stays out of the
// window's Tab order: its shortcut gives it the focus, and Escape gives the focus back.
class PlaceSearchField : public QLineEdit {
    Q_OBJECT

public:
    // birth_days gives the days of birth that the number allows, at each key typed.
    PlaceSearchField(std::function<std::vector<places::DayRange>()> birth_days, QWidget* parent);

    // The proposals of the name typed, as the list shows them.
    [[nodiscard]] QStringList proposals() const;

signals:
    // A proposal was chosen: the key of its code.
    void place_chosen(std::uint32_t key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void propose(const QString& typed);
    void choose(const QModelIndex& index);

    std::function<std::vector<places::DayRange>()> birth_days_;
    PlaceProposals* proposals_;
    QCompleter* completer_;
    // The widget that had the focus before this field, which Escape gives it back to.
    QPointer<QWidget> focus_before_;
};

} // namespace vardelis
