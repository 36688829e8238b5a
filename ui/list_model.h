#pragma once

#include "logic/line_check.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace vardelis {

// The lines of a list of numbers, each checked: one row per line, in its order, with the number
// as found, the key it came with, its right key, the verdict and what it says, then the line's
// own columns (a name, a staff number), so that each row can be matched back to a person. A
// first line without a number that has letters names those columns instead of being a row.
class ListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The columns before the line's own.
    enum Column { line_number, number, given_key, right_key, verdict, reading, first_own_column };

    // Counts of the rows by verdict.
    struct Counts {
        int lines = 0;
        std::array<int, 5> by_verdict{};

        [[nodiscard]] int of(Verdict verdict) const {
            return by_verdict.at(static_cast<std::size_t>(verdict));
        }
    };

    explicit ListModel(QObject* parent = nullptr);

    // Empties the list, for a new one read as of today.
    void start(std::chrono::year_month today);
    // Checks the next lines (UTF-8, or Windows-1252) and adds their rows.
    void add_lines(const std::vector<std::string>& lines);

    [[nodiscard]] const Counts& counts() const { return counts_; }
    [[nodiscard]] Verdict verdict_of(int row) const;
    // Whether the row is one to look at again: a wrong key, a reading that warns, or a line with
    // text and no number in it.
    [[nodiscard]] bool to_look_at(int row) const;
    // The row as text, one field a column, or the columns' names for row -1.
    [[nodiscard]] QStringList fields_of(int row) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    struct Row {
        int line;
        QString number;
        QString given_key;
        QString right_key;
        Verdict verdict;
        QString reading;
        QStringList own_columns;
        bool blank;
    };

    std::chrono::year_month today_{};
    std::vector<Row> rows_;
    QStringList own_column_names_;
    int own_columns_ = 0;
    int lines_read_ = 0;
    char separator_ = ';';
    Counts counts_;
};

} // namespace vardelis
