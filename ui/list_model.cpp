#include "ui/list_model.h"

#include "logic/reading/reading_in_french.h"
#include "logic/text/csv.h"
#include "logic/text/encoding.h"
#include "ui/verdict_look.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace vardelis {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

QString text_of(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool has_letter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               static_cast<unsigned char>(c) >= 0x80;
    });
}

const std::array<const char*, ListModel::first_own_column> column_names = {
    "Ligne", "Numéro", "Clé donnée", "Bonne clé", "Verdict", "Ce que dit le numéro"};

} // namespace

ListModel::ListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void ListModel::start(std::chrono::year_month today) {
    beginResetModel();
    today_ = today;
    rows_.clear();
    own_column_names_.clear();
    own_columns_ = 0;
    lines_read_ = 0;
    separator_ = ';';
    counts_ = {};
    endResetModel();
}

void ListModel::add_lines(const std::vector<std::string>& lines) {
    std::vector<Row> added;
    added.reserve(lines.size());
    int widest = own_columns_;
    for (const std::string& read : lines) {
        std::string line = as_utf8(read);
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        std::string_view content = line;
        const bool first = lines_read_++ == 0;
        if (first) {
            if (content.starts_with(byte_order_mark)) {
                content.remove_prefix(byte_order_mark.size());
            }
            separator_ = separator_of(content);
        }
        const LineCheck check = check_line(content, today_);
        QStringList own;
        for (const std::string& field : vardelis::fields_of(content, separator_)) {
            own << text_of(field);
        }
        if (first && !check.found && has_letter(content)) {
            own_column_names_ = own;
            widest = std::max(widest, static_cast<int>(own.size()));
            continue;
        }
        widest = std::max(widest, static_cast<int>(own.size()));
        Row row{lines_read_,
                {},
                {},
                text_of(check.right_key),
                check.verdict,
                check.reading ? text_of(in_french(*check.reading))
                                    .replace(QLatin1Char('\n'), QStringLiteral(" / "))
                              : QString(),
                own,
                content.find_first_not_of(" \t") == std::string_view::npos};
        if (check.found) {
            row.number = text_of(written_whole(check.found->number));
            row.given_key = text_of(check.found->number.key);
        }
        ++counts_.lines;
        ++counts_.by_verdict.at(static_cast<std::size_t>(check.verdict));
        added.push_back(std::move(row));
    }
    if (widest > own_columns_) {
        beginInsertColumns({}, first_own_column + own_columns_, first_own_column + widest - 1);
        own_columns_ = widest;
        endInsertColumns();
    }
    if (!added.empty()) {
        const auto first_row = static_cast<int>(rows_.size());
        beginInsertRows({}, first_row, first_row + static_cast<int>(added.size()) - 1);
        std::move(added.begin(), added.end(), std::back_inserter(rows_));
        endInsertRows();
    }
}

Verdict ListModel::verdict_of(int row) const {
    return rows_.at(static_cast<std::size_t>(row)).verdict;
}

bool ListModel::to_look_at(int row) const {
    const Row& checked = rows_.at(static_cast<std::size_t>(row));
    switch (checked.verdict) {
    case Verdict::wrong_key:
    case Verdict::to_check:
        return true;
    case Verdict::no_number:
        return !checked.blank;
    case Verdict::right:
    case Verdict::no_key:
        break;
    }
    return false;
}

QStringList ListModel::fields_of(int row) const {
    QStringList fields;
    for (int column = 0; column < columnCount(); ++column) {
        fields << (row < 0 ? headerData(column, Qt::Horizontal, Qt::DisplayRole)
                           : data(index(row, column), Qt::DisplayRole))
                      .toString();
    }
    return fields;
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : first_own_column + own_columns_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_.at(static_cast<std::size_t>(index.row()));
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case line_number:
            return row.line;
        case number:
            return row.number;
        case given_key:
            return row.given_key;
        case right_key:
            return row.right_key;
        case verdict:
            return QString::fromUtf8(verdict_in_french(row.verdict).data(),
                                     static_cast<qsizetype>(verdict_in_french(row.verdict).size()));
        case reading:
            return row.reading;
        default:
            const auto own = static_cast<qsizetype>(index.column() - first_own_column);
            return own < row.own_columns.size() ? row.own_columns.at(own) : QString();
        }
    }
    if (index.column() == verdict && role == Qt::DecorationRole) {
        return icon_of(look_of(row.verdict), *QApplication::style());
    }
    if (index.column() == verdict && role == Qt::ForegroundRole) {
        return text_colour(look_of(row.verdict), QApplication::palette());
    }
    if (index.column() == line_number && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section < first_own_column) {
        return QString::fromUtf8(column_names.at(static_cast<std::size_t>(section)));
    }
    const auto own = static_cast<qsizetype>(section - first_own_column);
    return own < own_column_names_.size() && !own_column_names_.at(own).isEmpty()
               ? own_column_names_.at(own)
               : QStringLiteral("Colonne %1").arg(own + 1);
}

} // namespace vardelis
