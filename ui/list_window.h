#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace vardelis {

class ListModel;
class RowsShown;

// « Vérifier une liste »: many numbers at once, pasted from a spreadsheet or read from a .csv or
// .txt file, each line checked and shown as a row of a table, the rows to look at standing out,
// with a count of them all at the bottom. The table is copied as tab-separated text, as
// spreadsheets paste it, or saved as a CSV file that the French versions of the common
// spreadsheets open as columns. A long list is checked a slice at a time, so that the window
// never freezes; its progress shows, and it can be stopped.
class ListWindow : public QWidget {
    Q_OBJECT

public:
    explicit ListWindow(QWidget* parent = nullptr);

    // Checks the lines of a text (UTF-8 or Windows-1252), as a paste or a drop brings them.
    void check_text(const QByteArray& text);
    // Checks the lines of a file; says so when it cannot be read. Whether it could.
    bool check_file(const QString& path);
    // The text the table's chosen rows make, with its columns' names first: every shown row
    // when none is chosen.
    [[nodiscard]] QString copied_text() const;
    // The same rows as an HTML table, each cell marked as text where spreadsheets would read a
    // number into it.
    [[nodiscard]] QString copied_html() const;
    // Writes the shown rows as CSV, with ";" between fields, in UTF-8 with a byte order mark.
    // Whether it could.
    [[nodiscard]] bool save(const QString& path) const;
    // Whether lines are still being checked.
    [[nodiscard]] bool checking() const;

    // Whether a text holds a list: two lines or more that hold a number.
    [[nodiscard]] static bool holds_a_list(const QString& text);
    // Whether a file is one the window reads: a .csv or .txt file.
    [[nodiscard]] static bool reads(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void build_commands();
    void build_table();
    void build_status_line();
    QAction* add_command(const QString& text, const QKeySequence& keys, const QString& tip);
    // The list's rows to copy, in their order, after -1 for the columns' names.
    [[nodiscard]] std::vector<int> copied_rows() const;
    void check(std::vector<std::string> lines);
    void check_a_slice();
    void fit_columns();
    void stop();
    void show_counts();
    void open();
    void paste();
    void copy() const;
    void save_as();
    void say_not_done(const QString& what, const QString& why);

    ListModel* model_;
    RowsShown* shown_;
    QTableView* table_ = nullptr;
    QCheckBox* only_to_look_at_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* counts_ = nullptr;
    QTimer* slices_;
    std::vector<std::string> waiting_;
    std::size_t next_ = 0;
    bool stopped_ = false;
};

} // namespace vardelis
