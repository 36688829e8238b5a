// The list window: the rows a list makes, their counts, the rows to look at, what is copied and
// saved, a long list checked without the window freezing, and the ways a list comes in from the
// main window. The keys expected are worked out by hand: 97 less the remainder of the number
// (2A read as 19, 2B as 18) divided by 97; the places are INSEE's codes.

#include "ui/application.h"
#include "ui/form1.h"
#include "ui/list_counts.h"
#include "ui/list_model.h"
#include "ui/list_window.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

namespace vardelis {

using testing::control;

namespace {

const char* const right_number = "1 85 05 78 646 084 97"; // Versailles, May 1985
const char* const keyless_number = "1750338158012";       // Eybens, March 1975: key 51

// A row as its fields, one text: "|" between them.
QString row_of(const ListModel& model, int row) {
    return model.fields_of(row).join(QLatin1Char('|'));
}

// Checks the lines and waits until every one is.
void check_all(ListWindow& window, const QByteArray& text) {
    window.check_text(text);
    QTRY_VERIFY_WITH_TIMEOUT(!window.checking(), 60'000);
}

QByteArray long_list(int lines) {
    QByteArray text;
    for (int line = 0; line < lines; ++line) {
        text += (line % 10 == 0 ? "Dupont;1 85 05 78 646 084 72\r\n"
                                : "Martin;1 85 05 78 646 084 97\r\n");
    }
    return text;
}

void drop_file_on(QWidget& widget, const QString& path) {
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(path)});
    const QPoint centre = widget.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&widget, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(&widget, &drop);
}

} // namespace

class ListWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepare_application(*qApp); }

    void a_row_for_each_line_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("row");
        QTest::newRow("right key, among columns")
            << QByteArray("Dupont;1 85 05 78 646 084 97")
            << "1|1 85 05 78 646 084 97|97|97|Juste|Homme, né en mai 1985 à Versailles "
               "(Yvelines).|Dupont|1 85 05 78 646 084 97";
        QTest::newRow("a wrong key") << QByteArray("1 85 05 78 646 084 72")
                                     << "1|1 85 05 78 646 084 72|72|97|Clé fausse|Homme, né en "
                                        "mai 1985 à Versailles (Yvelines).|1 85 05 78 646 084 72";
        QTest::newRow("no key, tab-separated")
            << QByteArray("Martin\t1750338158012\t0042")
            << "1|1 75 03 38 158 012||51|Sans clé|Homme, né en mars 1975 à Eybens (Isère).|"
               "Martin|1750338158012|0042";
        QTest::newRow("Corse-du-Sud") << QByteArray("185052A004123 56")
                                      << "1|1 85 05 2A 004 123 56|56|56|Juste|Homme, né en mai "
                                         "1985 à Ajaccio (Corse-du-Sud).|185052A004123 56";
        QTest::newRow("a month that is none")
            << QByteArray("1 85 13 78 646 084 31")
            << "1|1 85 13 78 646 084 31|31|31|À vérifier|Le mois 13 n'est pas un mois du "
               "calendrier. / Homme, né en 1985 à Versailles (Yvelines).|1 85 13 78 646 084 31";
        QTest::newRow("Windows-1252")
            << QByteArray("H\xe9l\xe8ne;1 75 03 38 158 012 51;CRLF\r")
            << "1|1 75 03 38 158 012 51|51|51|Juste|Homme, né en mars 1975 à Eybens (Isère).|"
               "Hélène|1 75 03 38 158 012 51|CRLF";
        QTest::newRow("no number") << QByteArray("12 / 34") << "1||||Pas de numéro||12 / 34";
        QTest::newRow("no number, after a byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                                          "12 / 34")
                                                            << "1||||Pas de numéro||12 / 34";
    }

    void a_row_for_each_line() {
        QFETCH(QByteArray, line);
        QFETCH(QString, row);
        ListModel model;
        model.start(std::chrono::year{2026} / std::chrono::December);
        model.add_lines({line.toStdString()});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(row_of(model, 0).replace(QChar(0x00A0), QLatin1Char(' ')), row);
    }

    // Screen readers get a table: its name, its columns' names, each cell's text, the verdict in
    // words.
    void a_table_that_screen_readers_read_cell_by_cell() {
        ListWindow window;
        check_all(window, QByteArray("1 85 05 78 646 084 72"));
        auto* table = control<QTableView>(window, "ListTable");
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(table);
        QCOMPARE(read->role(), QAccessible::Table);
        QCOMPARE(read->text(QAccessible::Name), "Lignes vérifiées");
        QAccessibleTableInterface* cells = read->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->columnDescription(ListModel::verdict), "Verdict");
        QCOMPARE(cells->cellAt(0, ListModel::verdict)->text(QAccessible::Name), "Clé fausse");
        QCOMPARE(cells->cellAt(0, ListModel::right_key)->text(QAccessible::Name), "97");
    }

    // A first line of names names the line's own columns, and is counted as a line of the input.
    void a_header_names_the_lines_own_columns() {
        ListModel model;
        model.start(std::chrono::year{2026} / std::chrono::December);
        model.add_lines({"\xEF\xBB\xBF\"Nom\";NIR;;Service\r", "Dupont;1850578646084", "Martin"});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(row_of(model, -1), "Ligne|Numéro|Clé donnée|Bonne clé|Verdict|Ce que dit le "
                                    "numéro|Nom|NIR|Colonne 3|Service");
        QCOMPARE(model.fields_of(0).first(), "2");
        QCOMPARE(model.fields_of(1).first(), "3");
        QCOMPARE(model.counts().lines, 2);
    }

    void counts_said_in_french_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("by_verdict"); // right, no key, wrong key, to check, none
        QTest::addColumn<QString>("said");
        QTest::newRow("the issue's") << 1250 << QList<int>{1236, 0, 9, 5, 0}
                                     << "1\u202F250 lignes\u00A0: 1\u202F236 justes, 9 clés "
                                        "fausses, 5 à vérifier";
        QTest::newRow("one of each") << 5 << QList<int>{1, 1, 1, 1, 1}
                                     << "5 lignes\u00A0: 1 juste, 1 clé fausse, 1 à vérifier, "
                                        "1 sans clé, 1 sans numéro";
        QTest::newRow("one line") << 1 << QList<int>{0, 0, 0, 0, 1}
                                  << "1 ligne\u00A0: 1 sans numéro";
        QTest::newRow("none") << 0 << QList<int>{0, 0, 0, 0, 0} << "0 ligne";
    }

    void counts_said_in_french() {
        QFETCH(int, lines);
        QFETCH(QList<int>, by_verdict);
        QFETCH(QString, said);
        ListModel::Counts counts;
        counts.lines = lines;
        for (std::size_t verdict = 0; verdict < counts.by_verdict.size(); ++verdict) {
            counts.by_verdict.at(verdict) = by_verdict.at(static_cast<qsizetype>(verdict));
        }
        QCOMPARE(counts_in_french(counts), said);
    }

    // Wrong keys, readings that warn and lines with text but no number are the ones to look at.
    void only_the_rows_to_look_at() {
        ListWindow window;
        check_all(window, QByteArray(right_number) + "\n1 85 05 78 646 084 72\n" + keyless_number +
                              "\n\n1 85 13 78 646 084 31\nTotal\n");
        auto* table = control<QTableView>(window, "ListTable");
        QCOMPARE(table->model()->rowCount(), 6);
        control<QCheckBox>(window, "ListOnlyToLookAt")->setChecked(true);
        QStringList shown;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            shown << table->model()->index(row, ListModel::line_number).data().toString();
        }
        QCOMPARE(shown, (QStringList{"2", "5", "6"}));
        QCOMPARE(control<QLabel>(window, "ListCounts")->text(),
                 "6 lignes\u00A0: 1 juste, 1 clé fausse, 1 à vérifier, 1 sans clé, 2 sans numéro "
                 "(3 lignes à revoir montrées)");
    }

    // Copied for a spreadsheet: the chosen rows, or all, tab-separated, with their header; Ctrl+C
    // in the table copies the rows, not the one cell Qt's table would.
    void copied_as_tab_separated_rows() {
        ListWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        check_all(window, QByteArray("Nom;NIR\nDupont;") + right_number + "\n\"A;B & <C>\";x\n");
        const QString header = "Ligne\tNuméro\tClé donnée\tBonne clé\tVerdict\tCe que dit le "
                               "numéro\tNom\tNIR\n";
        const QString dupont = "2\t1 85 05 78 646 084 97\t97\t97\tJuste\tHomme, né en mai 1985 à "
                               "Versailles (Yvelines).\tDupont\t1 85 05 78 646 084 97\n";
        const QString other = "3\t\t\t\tPas de numéro\t\tA;B & <C>\tx\n";
        QCOMPARE(window.copied_text(), header + dupont + other);
        auto* table = control<QTableView>(window, "ListTable");
        table->setFocus();
        table->selectRow(1);
        QApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), header + other);
        // As HTML too, every cell but the line's number marked as text for the spreadsheets.
        const QString text_cell = R"(<td sdnum="1036;0;@" style="mso-number-format:'\@'">)";
        const QString html = QApplication::clipboard()->mimeData()->html();
        QVERIFY2(html.contains("<tr><td>Ligne</td><td>Numéro</td>"), qPrintable(html));
        QVERIFY2(html.contains("<tr><td>3</td>" + text_cell + "</td>"), qPrintable(html));
        QVERIFY2(html.contains(text_cell + "A;B &amp; &lt;C&gt;</td>"), qPrintable(html));
        QVERIFY2(!html.contains("Dupont"), qPrintable(html));
        QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), header + dupont + other);
    }

    // What the French spreadsheets open as columns, accents right: ";", UTF-8 with its byte
    // order mark, CRLF; the rows shown, quoted where a field needs it.
    void saved_as_csv() {
        ListWindow window;
        check_all(window, QByteArray(right_number) + "\nMartin;\"2 rue X; Paris\"\n");
        control<QCheckBox>(window, "ListOnlyToLookAt")->setChecked(true);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("liste.csv"));
        QVERIFY(window.save(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("\xEF\xBB\xBF"
                                             "Ligne;Numéro;Clé donnée;Bonne clé;Verdict;Ce que dit "
                                             "le numéro;Colonne 1;Colonne 2\r\n"
                                             "2;;;;Pas de numéro;;Martin;\"2 rue X; Paris\"\r\n"));
        QVERIFY(!window.save(folder.filePath(QStringLiteral("absent/liste.csv"))));
    }

    // 100 000 lines: the window answers all along, shows its progress, and ends with every row.
    void a_long_list_never_freezes_the_window() {
        ListWindow window;
        window.show();
        const QByteArray text = long_list(100'000);
        QElapsedTimer clock;
        clock.start();
        window.check_text(text);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(window.checking());
        QVERIFY(control<QProgressBar>(window, "ListProgress")->isVisible());
        qint64 longest_wait = 0;
        while (window.checking()) {
            clock.restart();
            QCoreApplication::processEvents();
            longest_wait = std::max(longest_wait, clock.elapsed());
        }
        QVERIFY2(longest_wait < 250, qPrintable(QString::number(longest_wait)));
        QCOMPARE(control<QTableView>(window, "ListTable")->model()->rowCount(), 100'000);
        QVERIFY(!control<QProgressBar>(window, "ListProgress")->isVisible());
        QCOMPARE(control<QLabel>(window, "ListCounts")->text(),
                 "100\u202F000 lignes\u00A0: 90\u202F000 justes, 10\u202F000 clés fausses");
    }

    void a_long_list_can_be_stopped() {
        ListWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.check_text(long_list(100'000));
        QTest::keyClick(&window, Qt::Key_Escape);
        QTRY_VERIFY(!window.checking());
        const int rows = control<QTableView>(window, "ListTable")->model()->rowCount();
        QVERIFY(rows > 0 && rows < 100'000);
        QVERIFY(
            control<QLabel>(window, "ListCounts")->text().endsWith(" lignes sur 100\u202F000."));
        QVERIFY(!control<QPushButton>(window, "ListStop")->isVisible());
    }

    void which_texts_hold_a_list_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("a_list");
        QTest::newRow("one number and a line end") << QString(right_number) + "\n" << false;
        QTest::newRow("two numbers") << QString(right_number) + "\r\n" + keyless_number << true;
        QTest::newRow("two numbers, blank lines between")
            << QString(right_number) + "\n\n  \n" + keyless_number + "\n"
            << true;
        QTest::newRow("two short codes") << QStringLiteral("12\n34") << false;
        QTest::newRow("a number and a name") << QString(right_number) + "\nDupont" << false;
    }

    void which_texts_hold_a_list() {
        QFETCH(QString, text);
        QFETCH(bool, a_list);
        QCOMPARE(ListWindow::holds_a_list(text), a_list);
    }

    // Files as the common spreadsheets and systems write them: Windows-1252 with old Macintosh
    // line ends, UTF-16 ("Unicode text"); one that cannot be read is said, by its name.
    void files_read_whatever_their_encoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252, CR") << QByteArray("H\xe9l\xe8ne;1850578646084\rL\xe9"
                                                        "a;1\r");
        QByteArray utf16("\xFF\xFE");
        for (const QChar c : QStringLiteral("Hélène;1850578646084\r\nLéa;1\r\n")) {
            utf16 += static_cast<char>(c.unicode() & 0xFF);
            utf16 += static_cast<char>(c.unicode() >> 8);
        }
        QTest::newRow("UTF-16") << utf16;
    }

    void files_read_whatever_their_encoding() {
        QFETCH(QByteArray, bytes);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("liste.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        ListWindow window;
        QVERIFY(window.check_file(path));
        QTRY_VERIFY(!window.checking());
        auto* table = control<QTableView>(window, "ListTable");
        QCOMPARE(table->model()->rowCount(), 2);
        QCOMPARE(table->model()->index(0, ListModel::right_key).data().toString(), "97");
        QCOMPARE(table->model()->index(1, ListModel::first_own_column).data().toString(), "Léa");
    }

    void a_file_that_cannot_be_read_is_named() {
        ListWindow window;
        const QString missing = QDir::temp().filePath(QStringLiteral("vardelis-absent.csv"));
        QString said;
        const QString shown =
            testing::message_box_shown_by([&] { QVERIFY(!window.check_file(missing)); },
                                          [&](QMessageBox& box) { said = box.text(); });
        QVERIFY2(said.contains(QDir::toNativeSeparators(missing)), qPrintable(said));
    }

    // A list pasted into any field of the main window, by any way, goes to the list window and
    // leaves the field as it was; one number still fills the fields.
    void a_list_pasted_into_a_field_opens_the_list_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Ctrl+V") << 0;
        QTest::newRow("menu Coller") << 1;
        QTest::newRow("drop") << 2;
    }

    void a_list_pasted_into_a_field_opens_the_list() {
        QFETCH(int, way);
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* field = control<QComboBox>(form, "TextAN");
        QLineEdit* edit = field->lineEdit();
        const QString list = QString(right_number) + "\n" + keyless_number + "\n";
        QApplication::clipboard()->setText(list);
        field->setFocus();
        switch (way) {
        case 0:
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            break;
        case 1:
            QVERIFY(testing::choose_coller_in_the_menu_of(*edit));
            break;
        default:
            testing::drop_text_on(*edit, list);
        }
        QCoreApplication::processEvents();
        QCOMPARE(edit->text(), "00");
        auto* window = form.findChild<ListWindow*>();
        QVERIFY(window != nullptr && window->isVisible());
        QTRY_VERIFY(!window->checking());
        QCOMPARE(control<QTableView>(*window, "ListTable")->model()->rowCount(), 2);
    }

    void the_button_and_a_dropped_file_open_the_list() {
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_L, Qt::AltModifier);
        ListWindow* window = nullptr;
        QTRY_VERIFY((window = form.findChild<ListWindow*>()) != nullptr && window->isVisible());
        QCOMPARE(control<QTableView>(*window, "ListTable")->model()->rowCount(), 0);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("embauches.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(right_number) + "\n");
        file.close();
        drop_file_on(form, path);
        QTRY_COMPARE(control<QTableView>(*window, "ListTable")->model()->rowCount(), 1);
        QCOMPARE(form.findChildren<ListWindow*>().size(), 1);
        // Another, dropped on the list window itself.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(QByteArray(keyless_number) + "\n");
        file.close();
        drop_file_on(*window, path);
        QTRY_COMPARE(control<QTableView>(*window, "ListTable")->model()->rowCount(), 2);
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::ListWindowTest)
#include "list_window_test.moc"
