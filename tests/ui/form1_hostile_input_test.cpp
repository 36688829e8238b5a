// Whatever is typed or pasted into the six fields, "Calculer" answers with a short text and the
// window goes on taking events, and clicking it over and over neither changes that text nor
// grows the program's heap.

#include "heap_in_use.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <array>

namespace vardelis {

class Form1HostileInput : public QObject {
    Q_OBJECT

private:
    Form1 form_;

    QComboBox* field(const char* name) { return testing::control<QComboBox>(form_, name); }
    QString key() { return testing::control<QLabel>(form_, "LblCLE")->text(); }
    void click_calculer() { testing::control<QToolButton>(form_, "Command2")->click(); }

    void set_fields(const QStringList& texts) {
        const std::array<const char*, 6> names = {"TextSEX", "TextAN",  "TextMOI",
                                                  "TextDEP", "TextCOM", "TextRANG"};
        for (std::size_t i = 0; i < names.size(); ++i) {
            field(names.at(i))->setEditText(texts.value(static_cast<qsizetype>(i)));
        }
    }

private slots:
    void initTestCase() {
        prepare_application(*qApp);
        form_.start();
        QVERIFY(QTest::qWaitForWindowExposed(&form_));
    }

    void calculer_answers_any_text_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected");
        const QString megabyte_of_digits(1'000'000, QLatin1Char('7'));
        // A field keeps its first 32,767 characters, as any Qt line edit: the digits after a
        // megabyte of blanks are cut, those after 30,000 blanks are read.
        const QString megabyte_of_blanks = QString(1'000'000, QLatin1Char(' ')) + "96";
        const QString many_blanks = QString(30'000, QLatin1Char(' ')) + "96";
        QTest::newRow("1 MB of digits")
            << QStringList{megabyte_of_digits, "", "", "", "", ""} << "Erreur";
        QTest::newRow("1 MB of blanks")
            << QStringList{megabyte_of_blanks, "", "", "", "", ""} << "97";
        QTest::newRow("30,000 blanks") << QStringList{many_blanks, "", "", "", "", ""} << "1";
        QTest::newRow("1 MB in every field")
            << QStringList(6, QString(1'000'000, QLatin1Char('x'))) << "97";
        QTest::newRow("control characters")
            << QStringList{QString::fromUtf8("\x01\x02\x1b[2J"), "\t00", "0\n1", "01", "000", "000"}
            << "97";
        QTest::newRow("blanks as control characters")
            << QStringList{"1", "\t0\t0", "0\n1", "0 1", "000", "000"} << "36";
        QTest::newRow("lone carriage return")
            << QStringList{"1", "00", "\r", "01", "000", "000"} << "94";
        QTest::newRow("invalid UTF-8") << QStringList{QString::fromUtf8("1\xff\xfe"),
                                                      QString::fromUtf8("\xc3\x28"),
                                                      "",
                                                      "",
                                                      "",
                                                      ""}
                                       << "96";
        QTest::newRow("lone surrogate")
            << QStringList{QString(QChar(0xD800)) + "1", "", "", "", "", ""} << "97";
        QTest::newRow("overflow") << QStringList{"1E400", "00", "01", "01", "000", "000"}
                                  << "Erreur";
        QTest::newRow("hexadecimal") << QStringList{"&HFF", "", "", "", "", ""} << "36";
        QTest::newRow("null character")
            << QStringList{QString(QChar(0)) + "5", "", "", "", "", ""} << "97";
    }

    void calculer_answers_any_text() {
        QFETCH(QStringList, texts);
        QFETCH(QString, expected);
        set_fields(texts);
        click_calculer();
        QCOMPARE(key(), expected);

        // Still responsive: the event loop takes the next event.
        bool answered = false;
        QMetaObject::invokeMethod(
            &form_, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QVERIFY(answered);
    }

    void ten_thousand_clicks_give_the_same_text_in_constant_memory() {
        set_fields({"2", "93", "07", "75", "115", "042"});
        click_calculer();
        const QString first = key();
        QCOMPARE(first, QStringLiteral("26"));
        // Warm up so that caches and allocator pools are in place before measuring.
        for (int i = 0; i < 1000; ++i) {
            click_calculer();
        }
        const std::int64_t before = testing::heap_bytes_in_use();
        for (int i = 0; i < 10'000; ++i) {
            click_calculer();
            if (key() != first) {
                QFAIL(qPrintable(QStringLiteral("click %1 gave %2").arg(i).arg(key())));
            }
        }
        QCoreApplication::processEvents();
#if defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer keeps a heap of its own, which the C library does not count; its leak
        // check covers this build.
        QSKIP("the C library's heap count is not a measure under AddressSanitizer");
#endif
        QVERIFY(before > 0);
        // A leak of a few bytes a click would show as tens of kilobytes.
        const std::int64_t growth = testing::heap_bytes_in_use() - before;
        QVERIFY2(growth <= std::int64_t{16} * 1024,
                 qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::Form1HostileInput)
#include "form1_hostile_input_test.moc"
