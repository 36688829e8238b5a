#include "ui/list_window.h"

#include "logic/line_check.h"
#include "logic/text/csv.h"
#include "logic/text/encoding.h"
#include "ui/file_dialogs.h"
#include "ui/list_counts.h"
#include "ui/list_model.h"
#include "ui/rows_shown.h"
#include "ui/this_month.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace vardelis {
namespace {

// Bigger files are for the command line, which streams them: the window holds every row.
constexpr qint64 largest_file = qint64{64} * 1024 * 1024;
// How long a slice of the checking may keep the window from answering, and how many lines are
// checked between two looks at the clock.
constexpr qint64 slice_milliseconds = 20;
constexpr std::size_t lines_between_looks = 256;
// Lists longer than this show their progress.
constexpr std::size_t long_list = 2000;
// The reading's column at most this many average characters wide: the rest is in its tooltip.
constexpr int reading_width_in_characters = 70;

const QString hint = QStringLiteral(
    "Collez une colonne de numéros (Ctrl+V), ouvrez un fichier .csv ou .txt (Ctrl+O) ou "
    "déposez-le ici.");

QString in_french(qsizetype count) {
    return QLocale(QLocale::French, QLocale::France).toString(count);
}

// The text as UTF-8 bytes, or as the bytes that were read: a file in UTF-16 (what the common
// spreadsheets call "Unicode text") is turned into UTF-8; any other text is taken line by line
// as UTF-8 or Windows-1252.
QByteArray as_utf8_if_utf16(const QByteArray& bytes) {
    const std::string_view read(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const std::optional<ByteOrder> order = utf16_byte_order(read);
    if (!order) {
        return bytes;
    }
    std::string utf8;
    Utf16Decoder decoder(*order);
    decoder.decode(read.substr(2), utf8);
    decoder.finish(utf8);
    return QByteArray::fromStdString(utf8);
}

// The lines of a text, each without its line end: LF or CRLF, or CR alone where the text has no
// LF (old Macintosh files). Nothing after the last line end is no line.
std::vector<std::string> lines_of(const QByteArray& text) {
    const char end = text.contains('\n') ? '\n' : '\r';
    std::vector<std::string> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = text.indexOf(end, start);
        if (stop < 0) {
            stop = text.size();
        }
        lines.emplace_back(text.constData() + start, static_cast<std::size_t>(stop - start));
        start = stop + 1;
    }
    return lines;
}

} // namespace

ListWindow::ListWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , model_(new ListModel(this))
    , shown_(new RowsShown(*model_, this))
    , slices_(new QTimer(this)) {
    setObjectName(QStringLiteral("ListWindow"));
    setWindowTitle(QStringLiteral("Vérifier une liste"));
    setAcceptDrops(true);
    new QVBoxLayout(this);
    build_commands();
    build_table();
    build_status_line();
    connect(slices_, &QTimer::timeout, this, &ListWindow::check_a_slice);
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 150, metrics.height() * 30);
    show_counts();
    table_->setFocus();
}

QAction* ListWindow::add_command(const QString& text, const QKeySequence& keys,
                                 const QString& tip) {
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
    addAction(action);
    return action;
}

void ListWindow::build_commands() {
    auto* commands = new QHBoxLayout;
    const auto add_button = [&](QAction* action, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::StrongFocus);
        commands->addWidget(button);
    };
    QAction* open_action =
        add_command(QStringLiteral("Ouvrir…"), QKeySequence::Open,
                    QStringLiteral("Vérifier les lignes d'un fichier .csv ou .txt"));
    QAction* paste_action = add_command(QStringLiteral("Coller"), QKeySequence::Paste,
                                        QStringLiteral("Vérifier les lignes copiées"));
    QAction* copy_action = add_command(
        QStringLiteral("Copier"), QKeySequence::Copy,
        QStringLiteral("Copier les lignes choisies, ou toutes, pour les coller dans un tableur"));
    QAction* save_action = add_command(QStringLiteral("Enregistrer…"), QKeySequence::Save,
                                       QStringLiteral("Enregistrer les lignes montrées en CSV"));
    // Not a button: the key of every table, here wherever the focus is in the window.
    QAction* choose_all = add_command(QStringLiteral("Tout choisir"), QKeySequence::SelectAll,
                                      QStringLiteral("Choisir toutes les lignes montrées"));
    connect(choose_all, &QAction::triggered, this, [this] { table_->selectAll(); });
    connect(open_action, &QAction::triggered, this, &ListWindow::open);
    connect(paste_action, &QAction::triggered, this, &ListWindow::paste);
    connect(copy_action, &QAction::triggered, this, &ListWindow::copy);
    connect(save_action, &QAction::triggered, this, &ListWindow::save_as);
    add_button(open_action, "ListOpen");
    add_button(paste_action, "ListPaste");
    add_button(copy_action, "ListCopy");
    add_button(save_action, "ListSave");
    commands->addStretch(1);
    only_to_look_at_ = new QCheckBox(QStringLiteral("Seulement les lignes à &revoir"), this);
    only_to_look_at_->setObjectName(QStringLiteral("ListOnlyToLookAt"));
    only_to_look_at_->setToolTip(
        QStringLiteral("Clés fausses, numéros à vérifier et lignes sans numéro (Alt+R)"));
    connect(only_to_look_at_, &QCheckBox::toggled, this, [this](bool only) {
        shown_->show_only_those_to_look_at(only);
        table_->scrollToTop();
        show_counts();
    });
    commands->addWidget(only_to_look_at_);
    static_cast<QVBoxLayout*>(layout())->addLayout(commands);
}

void ListWindow::build_table() {
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("ListTable"));
    table_->setAccessibleName(QStringLiteral("Lignes vérifiées"));
    table_->setModel(shown_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    // Tab leaves the table for the next control; the arrows go from cell to cell.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    // Rows of one height, known without measuring each one: 100 000 rows show at once.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setResizeContentsPrecision(200);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout()->addWidget(table_);
    setFocusProxy(table_);
}

void ListWindow::build_status_line() {
    auto* status = new QHBoxLayout;
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("ListCounts"));
    counts_->setTextFormat(Qt::PlainText);
    counts_->setWordWrap(true);
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->addWidget(counts_, 1);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ListProgress"));
    progress_->setAccessibleName(QStringLiteral("Progression de la vérification"));
    progress_->hide();
    status->addWidget(progress_);
    stop_ = new QPushButton(QStringLiteral("Annuler"), this);
    stop_->setObjectName(QStringLiteral("ListStop"));
    stop_->setShortcut(QKeySequence(Qt::Key_Escape));
    stop_->setToolTip(QStringLiteral("Arrêter la vérification (Échap)"));
    stop_->hide();
    connect(stop_, &QPushButton::clicked, this, &ListWindow::stop);
    status->addWidget(stop_);
    static_cast<QVBoxLayout*>(layout())->addLayout(status);
}

void ListWindow::check_text(const QByteArray& text) {
    check(lines_of(as_utf8_if_utf16(text)));
}

bool ListWindow::check_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say_not_done(
            QStringLiteral("Impossible de lire « %1 »").arg(QDir::toNativeSeparators(path)),
            file.errorString());
        return false;
    }
    if (file.size() > largest_file) {
        say_not_done(
            QStringLiteral("« %1 » est trop grand pour cette fenêtre")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Elle lit des fichiers de 64 Mo au plus. La ligne de commande lit "
                           "ceux de toute taille : vardelis --verifier FICHIER."));
        return false;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        say_not_done(
            QStringLiteral("Impossible de lire « %1 »").arg(QDir::toNativeSeparators(path)),
            file.errorString());
        return false;
    }
    setWindowTitle(QStringLiteral("Vérifier une liste – %1").arg(QFileInfo(path).fileName()));
    check_text(text);
    return true;
}

void ListWindow::check(std::vector<std::string> lines) {
    slices_->stop();
    stopped_ = false;
    model_->start(this_month());
    waiting_ = std::move(lines);
    next_ = 0;
    const bool long_one = waiting_.size() > long_list;
    progress_->setRange(0, static_cast<int>(waiting_.size()));
    progress_->setValue(0);
    progress_->setVisible(long_one);
    stop_->setVisible(long_one);
    check_a_slice();
    fit_columns();
    if (checking()) {
        slices_->start(0);
    }
}

void ListWindow::check_a_slice() {
    QElapsedTimer clock;
    clock.start();
    while (next_ < waiting_.size() && clock.elapsed() < slice_milliseconds) {
        const std::size_t end = std::min(waiting_.size(), next_ + lines_between_looks);
        model_->add_lines({std::make_move_iterator(waiting_.begin() + static_cast<long>(next_)),
                           std::make_move_iterator(waiting_.begin() + static_cast<long>(end))});
        next_ = end;
    }
    progress_->setValue(static_cast<int>(next_));
    if (!checking()) {
        slices_->stop();
        waiting_ = {};
        progress_->hide();
        stop_->hide();
    }
    show_counts();
}

bool ListWindow::checking() const {
    return next_ < waiting_.size();
}

void ListWindow::stop() {
    if (!checking()) {
        return;
    }
    stopped_ = true;
    const std::size_t checked = next_;
    const std::size_t all = waiting_.size();
    slices_->stop();
    waiting_ = {};
    next_ = 0;
    progress_->hide();
    stop_->hide();
    show_counts();
    counts_->setText(counts_->text() +
                     QStringLiteral(". Vérification arrêtée après %1 lignes sur %2.")
                         .arg(in_french(static_cast<qsizetype>(checked)),
                              in_french(static_cast<qsizetype>(all))));
}

// The columns as wide as their first rows need, but the reading no wider than a long line.
void ListWindow::fit_columns() {
    table_->resizeColumnsToContents();
    const int widest_reading = fontMetrics().averageCharWidth() * reading_width_in_characters;
    if (table_->columnWidth(ListModel::reading) > widest_reading) {
        table_->setColumnWidth(ListModel::reading, widest_reading);
    }
}

void ListWindow::show_counts() {
    if (model_->rowCount() == 0 && !checking()) {
        counts_->setText(hint);
        return;
    }
    QString text = counts_in_french(model_->counts());
    if (only_to_look_at_->isChecked()) {
        const int shown = shown_->rowCount();
        text += shown == 0 ? QStringLiteral(" (aucune ligne à revoir)")
                : shown == 1
                    ? QStringLiteral(" (1 ligne à revoir montrée)")
                    : QStringLiteral(" (%1 lignes à revoir montrées)").arg(in_french(shown));
    }
    if (checking()) {
        text += QStringLiteral(" (vérification en cours)");
    }
    counts_->setText(text);
}

std::vector<int> ListWindow::copied_rows() const {
    std::vector<int> rows;
    const QModelIndexList chosen = table_->selectionModel()->selectedRows();
    std::transform(chosen.begin(), chosen.end(), std::back_inserter(rows),
                   [this](const QModelIndex& index) { return shown_->mapToSource(index).row(); });
    if (rows.empty()) {
        for (int row = 0; row < shown_->rowCount(); ++row) {
            rows.push_back(shown_->mapToSource(shown_->index(row, 0)).row());
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.insert(rows.begin(), -1);
    return rows;
}

QString ListWindow::copied_text() const {
    std::string text;
    for (const int row : copied_rows()) {
        const QStringList fields = model_->fields_of(row);
        for (qsizetype field = 0; field < fields.size(); ++field) {
            if (field > 0) {
                text += '\t';
            }
            append_csv_field(text, fields.at(field).toStdString(), '\t');
        }
        text += '\n';
    }
    return QString::fromStdString(text);
}

bool ListWindow::save(const QString& path) const {
    std::string text = "\xEF\xBB\xBF";
    for (int row = -1; row < shown_->rowCount(); ++row) {
        const QStringList fields =
            model_->fields_of(row < 0 ? row : shown_->mapToSource(shown_->index(row, 0)).row());
        for (qsizetype field = 0; field < fields.size(); ++field) {
            if (field > 0) {
                text += ';';
            }
            append_csv_field(text, fields.at(field).toStdString(), ';');
        }
        text += "\r\n";
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.commit();
}

bool ListWindow::holds_a_list(const QString& text) {
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    const auto holds_a_number = [](QStringView line) {
        return find_number(line.toUtf8().toStdString()).has_value();
    };
    const auto first = std::find_if(lines.begin(), lines.end(), holds_a_number);
    return first != lines.end() &&
           std::find_if(first + 1, lines.end(), holds_a_number) != lines.end();
}

bool ListWindow::reads(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("txt");
}

void ListWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    const QList<QUrl> urls = data->urls();
    if ((urls.size() == 1 && urls.front().isLocalFile() && reads(urls.front().toLocalFile())) ||
        (urls.isEmpty() && data->hasText())) {
        event->acceptProposedAction();
    }
}

void ListWindow::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    event->acceptProposedAction();
    if (data->hasUrls()) {
        check_file(data->urls().front().toLocalFile());
    } else {
        setWindowTitle(QStringLiteral("Vérifier une liste"));
        check_text(data->text().toUtf8());
    }
}

void ListWindow::open() {
    const QString path = list_to_open(this);
    if (!path.isEmpty()) {
        check_file(path);
    }
}

void ListWindow::paste() {
    setWindowTitle(QStringLiteral("Vérifier une liste"));
    check_text(QApplication::clipboard()->text().toUtf8());
}

// Spreadsheets turn a key such as "04" into the number 4, and a number written without blanks
// into a number in powers of ten: every cell but the line's number is marked as text, in the
// marks LibreOffice (sdnum) and Excel (mso-number-format) read.
QString ListWindow::copied_html() const {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    for (const int row : copied_rows()) {
        html += QStringLiteral("<tr>");
        const QStringList fields = model_->fields_of(row);
        for (qsizetype field = 0; field < fields.size(); ++field) {
            html +=
                row < 0 || field == ListModel::line_number
                    ? QStringLiteral("<td>")
                    : QStringLiteral("<td sdnum=\"1036;0;@\" style=\"mso-number-format:'\\@'\">");
            html += fields.at(field).toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table></body></html>\n");
}

void ListWindow::copy() const {
    auto* copied = new QMimeData;
    copied->setText(copied_text());
    copied->setHtml(copied_html());
    QApplication::clipboard()->setMimeData(copied);
}

void ListWindow::save_as() {
    const QString path = list_to_save(this, QStringLiteral("liste-verifiee.csv"));
    if (!path.isEmpty() && !save(path)) {
        say_not_done(
            QStringLiteral("Impossible d'enregistrer « %1 »").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Vérifiez que le dossier existe et que vous pouvez y écrire."));
    }
}

void ListWindow::say_not_done(const QString& what, const QString& why) {
    QMessageBox::warning(this, QStringLiteral("Vardelis"), what + QStringLiteral(".\n\n") + why);
}

} // namespace vardelis
