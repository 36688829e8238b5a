#include "ui/place_search_field.h"

#include "logic/reading/place_search_in_french.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace vardelis {

// The places proposed for a name: each shown as « Grenoble (Isère) 38 185 », its name alone
// being what the field takes when it is chosen. A name of no place gives one line that says so
// and cannot be chosen.
class PlaceProposals : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void show(std::vector<places::PlaceFound> places, bool no_place) {
        beginResetModel();
        places_ = std::move(places);
        no_place_ = no_place;
        endResetModel();
    }

    [[nodiscard]] const places::PlaceFound* place(const QModelIndex& index) const {
        return index.isValid() && index.row() < static_cast<int>(places_.size())
                   ? &places_[static_cast<std::size_t>(index.row())]
                   : nullptr;
    }

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override {
        if (parent.isValid()) {
            return 0;
        }
        return no_place_ ? 1 : static_cast<int>(places_.size());
    }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override {
        const places::PlaceFound* found = place(index);
        if (found == nullptr) {
            return no_place_ && role == Qt::DisplayRole ? QStringLiteral("Aucun lieu de ce nom")
                                                        : QVariant();
        }
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return QString::fromStdString(proposal_in_french(*found));
        case Qt::EditRole:
            return QString::fromStdString(found->name);
        default:
            return {};
        }
    }

    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override {
        return place(index) != nullptr ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    std::vector<places::PlaceFound> places_;
    bool no_place_ = false;
};

namespace {

// Enough to find one's place by scrolling, few enough to take in at a glance.
constexpr std::size_t most_proposals = 20;

} // namespace

PlaceSearchField::PlaceSearchField(std::function<std::vector<places::DayRange>()> birth_days,
                                   QWidget* parent)
    : QLineEdit(parent)
    , birth_days_(std::move(birth_days))
    , proposals_(new PlaceProposals(this))
    , completer_(new QCompleter(proposals_, this)) {
    setObjectName(QStringLiteral("BirthPlaceSearch"));
    setAccessibleName(QStringLiteral("Lieu de naissance"));
    setPlaceholderText(QStringLiteral("Lieu de naissance (Ctrl+F)"));
    setToolTip(QStringLiteral("Tapez le lieu de naissance des papiers\u00A0: les lieux de ce nom "
                              "à la date du numéro sont proposés avec leur code, et le numéro "
                              "est comparé au nom tapé (Ctrl+F, Échap pour revenir)"));
    setClearButtonEnabled(true);
    // Outside the window's Tab order: reached by a click or by its shortcut.
    setFocusPolicy(Qt::ClickFocus);
    // The list shows every proposal as it is: the field does not filter them again.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(static_cast<int>(most_proposals) / 2);
    completer_->setWidget(this);
    completer_->popup()->setAccessibleName(QStringLiteral("Lieux proposés"));
    // A window of its own, which takes the window's font only when told.
    completer_->popup()->setFont(font());
    connect(this, &QLineEdit::textEdited, this, &PlaceSearchField::propose);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceSearchField::choose);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, const QWidget* now) {
        if (now == this && old != nullptr && old != completer_->popup()) {
            focus_before_ = old;
        }
    });
}

QStringList PlaceSearchField::proposals() const {
    QStringList texts;
    for (int row = 0; row < proposals_->rowCount({}); ++row) {
        texts << proposals_->index(row).data().toString();
    }
    return texts;
}

void PlaceSearchField::propose(const QString& typed) {
    const std::string name = typed.toStdString();
    std::vector<places::PlaceFound> places =
        places::PlaceIndex::built_in().propose(name, birth_days_(), most_proposals);
    const bool no_place = places.empty() && !places::folded_name(name).empty();
    proposals_->show(std::move(places), no_place);
    if (proposals_->rowCount({}) == 0) {
        completer_->popup()->hide();
        return;
    }
    // As wide as its longest proposal, so that every code shows whole, and towards the window.
    QAbstractItemView* list = completer_->popup();
    const int wide = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                     2 * list->frameWidth();
    const int width = std::max(this->width(), wide);
    completer_->complete(QRect(this->width() - width, 0, width, height()));
}

// The list shows the proposals in their order, one row for each.
void PlaceSearchField::choose(const QModelIndex& index) {
    const places::PlaceFound* found = proposals_->place(proposals_->index(index.row()));
    if (found == nullptr) {
        return;
    }
    const std::uint32_t key = found->key;
    setText(QString::fromStdString(found->name));
    emit place_chosen(key);
}

// Escape gives the focus back to where it was; with the list open, it closes the list first.
void PlaceSearchField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !completer_->popup()->isVisible()) {
        if (focus_before_ != nullptr) {
            focus_before_->setFocus(Qt::ShortcutFocusReason);
        } else {
            focusNextChild();
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vardelis
