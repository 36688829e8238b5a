// « Lieu de naissance »: the places proposed for a name at the number's year, a place chosen put
// into the department and commune fields, the reading's comparison, and the field reached by its
// shortcut outside the Tab order. The codes are INSEE's (data/), the departments of their time.

#include "ui/form1.h"
#include "ui/place_search_field.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>

namespace vardelis {

using testing::control;

class PlaceSearchTest : public QObject {
    Q_OBJECT

private:
    Form1 form_;

    PlaceSearchField* field() { return control<PlaceSearchField>(form_, "BirthPlaceSearch"); }
    QComboBox* combo(const char* name) { return control<QComboBox>(form_, name); }

    void fill(const QStringList& parts) {
        const std::array<const char*, 6> names = {"TextSEX", "TextAN",  "TextMOI",
                                                  "TextDEP", "TextCOM", "TextRANG"};
        for (std::size_t part = 0; part < names.size(); ++part) {
            combo(names[part])->setEditText(parts[static_cast<int>(part)]);
        }
    }

    // Types the name into the field as a person does, key by key.
    void type(const QString& name) {
        field()->setFocus();
        field()->clear();
        QTest::keyClicks(field(), name);
    }

    // Chooses the proposal of that row as a person does: Down to it, then Enter.
    void choose_row(int row) {
        QAbstractItemView* list = field()->findChild<QCompleter*>()->popup();
        QTRY_VERIFY(list->isVisible());
        for (int down = 0; down <= row; ++down) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        QTest::keyClick(list, Qt::Key_Return);
    }

    QString reading() { return control<QLabel>(form_, "NumberReadingText")->text(); }
    QString verdict() { return control<QLabel>(form_, "NumberReadingVerdict")->text(); }

private slots:
    void initTestCase() {
        form_.start();
        QVERIFY(QTest::qWaitForWindowActive(&form_));
    }

    void init() {
        fill({"", "", "", "", "", ""});
        field()->clear();
    }

    void is_named_and_reached_by_its_shortcut_outside_the_tab_order() {
        QCOMPARE(QAccessible::queryAccessibleInterface(field())->text(QAccessible::Name),
                 QStringLiteral("Lieu de naissance"));
        QVERIFY(field()->placeholderText().contains(QLatin1String("Ctrl+F")));
        QVERIFY(field()->toolTip().contains(QLatin1String("Ctrl+F")));
        QVERIFY(!(field()->focusPolicy() & Qt::TabFocus));
        combo("TextMOI")->setFocus();
        QTRY_COMPARE(testing::focused_control(&form_), QStringLiteral("TextMOI"));
        QTest::keyClick(&form_, Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(testing::focused_control(&form_), QStringLiteral("BirthPlaceSearch"));
        // The list open, Escape closes it first.
        QTest::keyClicks(field(), QStringLiteral("gren"));
        QAbstractItemView* list = field()->findChild<QCompleter*>()->popup();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(testing::focused_control(&form_), QStringLiteral("BirthPlaceSearch"));
        QTest::keyClick(field(), Qt::Key_Escape);
        QTRY_COMPARE(testing::focused_control(&form_), QStringLiteral("TextMOI"));
    }

    void proposes_the_places_of_the_numbers_year() {
        fill({"1", "55", "03", "", "", ""});
        type(QStringLiteral("argenteuil"));
        QVERIFY2(
            field()->proposals().contains(QStringLiteral("Argenteuil (Seine-et-Oise) 78\u00A0018")),
            qPrintable(field()->proposals().join(" | ")));
        QVERIFY(
            !field()->proposals().contains(QStringLiteral("Argenteuil (Val-d'Oise) 95\u00A0018")));
        fill({"1", "90", "03", "", "", ""});
        type(QStringLiteral("argenteuil"));
        QVERIFY2(
            field()->proposals().contains(QStringLiteral("Argenteuil (Val-d'Oise) 95\u00A0018")),
            qPrintable(field()->proposals().join(" | ")));
        // Without a year, every time's places.
        fill({"1", "", "", "", "", ""});
        type(QStringLiteral("argenteuil"));
        QVERIFY(field()->proposals().contains(
            QStringLiteral("Argenteuil (Seine-et-Oise) 78\u00A0018")));
        QVERIFY(
            field()->proposals().contains(QStringLiteral("Argenteuil (Val-d'Oise) 95\u00A0018")));
        type(QStringLiteral("Zzyzx"));
        QCOMPARE(field()->proposals(), QStringList{QStringLiteral("Aucun lieu de ce nom")});
    }

    void compares_the_name_then_puts_the_place_chosen_into_the_fields() {
        fill({"1", "75", "06", "38", "158", "012"});
        const QString key = control<QLabel>(form_, "LblCLE")->text();
        type(QStringLiteral("Grenoble"));
        QVERIFY2(reading().startsWith(QStringLiteral(
                     "Le numéro dit Eybens (38\u00A0158)\u00A0; Grenoble, en juin 1975, c'est "
                     "38\u00A0185.\n")),
                 qPrintable(reading()));
        QCOMPARE(verdict(), QStringLiteral("À vérifier"));
        // Nothing is changed in the fields until a place is chosen.
        QCOMPARE(combo("TextCOM")->currentText(), QStringLiteral("158"));
        // Chosen from the start of its name, the place gives the field its whole name.
        type(QStringLiteral("grenob"));
        choose_row(0);
        QCOMPARE(combo("TextDEP")->currentText(), QStringLiteral("38"));
        QCOMPARE(combo("TextCOM")->currentText(), QStringLiteral("185"));
        QCOMPARE(field()->text(), QStringLiteral("Grenoble"));
        QVERIFY2(reading().startsWith(QStringLiteral("Le numéro dit bien Grenoble (38\u00A0185).")),
                 qPrintable(reading()));
        QCOMPARE(verdict(), QStringLiteral("Rien à signaler"));
        // The key waits for Calculer.
        QCOMPARE(control<QLabel>(form_, "LblCLE")->text(), key);
    }

    void puts_a_country_and_an_overseas_commune_as_their_parts() {
        fill({"2", "80", "03", "", "", ""});
        type(QStringLiteral("espagne"));
        choose_row(0);
        QCOMPARE(combo("TextDEP")->currentText(), QStringLiteral("99"));
        QCOMPARE(combo("TextCOM")->currentText(), QStringLiteral("134"));
        fill({"2", "75", "06", "", "", ""});
        type(QStringLiteral("st denis"));
        const int row = static_cast<int>(
            field()->proposals().indexOf(QStringLiteral("Saint-Denis (La Réunion) 97\u00A0411")));
        QVERIFY2(row >= 0, qPrintable(field()->proposals().join(" | ")));
        choose_row(row);
        QCOMPARE(combo("TextDEP")->currentText(), QStringLiteral("97"));
        QCOMPARE(combo("TextCOM")->currentText(), QStringLiteral("411"));
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::PlaceSearchTest)
#include "place_search_test.moc"
