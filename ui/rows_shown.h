#pragma once

#include "ui/list_model.h"

#include <QSortFilterProxyModel>

namespace vardelis {

// The rows of a list that the table shows: all of them, or only those to look at again.
class RowsShown : public QSortFilterProxyModel {
public:
    RowsShown(ListModel& list, QObject* parent)
        : QSortFilterProxyModel(parent)
        , list_(list) {
        setSourceModel(&list);
    }

    void show_only_those_to_look_at(bool only) {
        only_to_look_at_ = only;
        invalidateRowsFilter();
    }

protected:
    [[nodiscard]] bool filterAcceptsRow(int row, const QModelIndex& /*parent*/) const override {
        return !only_to_look_at_ || list_.to_look_at(row);
    }

private:
    ListModel& list_;
    bool only_to_look_at_ = false;
};

} // namespace vardelis
