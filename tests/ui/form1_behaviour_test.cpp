// The window at work: loading, the handlers, the keyboard, and the end of the program.

#include "logic/logic.h"
#include "runtime/core/runtime_error.h"
#include "runtime/qt/program.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <memory>
#include <tuple>
#include <utility>

namespace vardelis {

using testing::answer_next_message_box;
using testing::focused_control;

namespace {

[[noreturn]] std::vector<std::string> failing_code_list(int /*first*/, int /*last*/,
                                                        int /*width*/) {
    throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
}

[[noreturn]] std::string failing_about_message() {
    throw runtime::RuntimeError(runtime::ErrorNumber::OutOfMemory);
}

// A wheel turn over the widget, delivered as one from the window system, so that Qt gives the
// focus to a widget that takes it by the wheel.
void turn_the_wheel_over(QWidget* widget, int notches_down) {
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent wheel(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches_down),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(widget, &wheel); // sendEvent would take the window system's mark away
}

// Runs the program's event loop with this start-up; gives up after a while so that a program
// that never ends fails the test instead of hanging it.
int run_program_for_a_while(const std::function<void()>& start_up) {
    constexpr int gave_up = 99;
    QTimer give_up;
    give_up.setSingleShot(true);
    QObject::connect(&give_up, &QTimer::timeout, [] { QCoreApplication::exit(gave_up); });
    give_up.start(10'000);
    return runtime::run_program(start_up);
}

} // namespace

class Form1Behaviour : public QObject {
    Q_OBJECT

public:
    // The ways text goes into a field.
    enum Way {
        CtrlV,
        CtrlVAtTheEnd,
        ShiftInsert,
        CtrlShiftInsert,
        MenuColler,
        MiddleButton,
        Drop,
        Typed,
        ListDown
    };
    Q_ENUM(Way)

private:
    std::unique_ptr<Form1> form_;

    template <typename Control> Control* control(const char* name) {
        return testing::control<Control>(*form_, name);
    }

    QString key() { return control<QLabel>("LblCLE")->text(); }
    void click(const char* button) {
        QTest::mouseClick(control<QToolButton>(button), Qt::LeftButton);
    }
    // A click sent through the window system, as a real one is, so that modality applies.
    void click_through_the_window(const char* name) {
        auto* button = control<QToolButton>(name);
        QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(form_.get(), button->rect().center()));
    }

    // Puts text into the field of this edit box, which has the focus, the way given: the keys go
    // to the field, as real ones do; a drop brings the text given, typing types it.
    static void put_into(QLineEdit* edit, Way way, const QString& text) {
        QWidget* field = QApplication::focusWidget();
        switch (way) {
        case CtrlVAtTheEnd:
            QTest::keyClick(field, Qt::Key_End);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case CtrlV:
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case ShiftInsert:
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case CtrlShiftInsert:
            QTest::keyClick(field, Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case MenuColler:
            QVERIFY(testing::choose_coller_in_the_menu_of(*edit));
            break;
        case MiddleButton:
            QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().center());
            break;
        case Drop:
            testing::drop_text_on(*edit, text);
            break;
        case Typed:
            QTest::keyClicks(field, text);
            break;
        case ListDown:
            QTest::keyClick(field, Qt::Key_Down);
            break;
        }
    }

private slots:
    void initTestCase() { prepare_application(*qApp); }

    void init() {
        form_ = std::make_unique<Form1>();
        form_->start();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() { form_.reset(); }

    void opens_centred_with_the_focus_in_the_sex_field() {
        QVERIFY(form_->isVisible());
        // The whole window, frame and title bar included, where the platform draws one.
        const QPoint offset =
            form_->frameGeometry().center() - form_->screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, "not centred"); // odd sizes round either way
        QCOMPARE(focused_control(), QStringLiteral("TextSEX"));
    }

    void load_fills_the_lists_and_keeps_the_texts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("TextSEX") << "1" << 2 << "1"
                                 << "2";
        QTest::newRow("TextAN") << "00" << 100 << "00"
                                << "99";
        QTest::newRow("TextMOI") << "01" << 12 << "01"
                                 << "12";
        QTest::newRow("TextDEP") << "01" << 99 << "01"
                                 << "99";
        QTest::newRow("TextCOM") << "000" << 1000 << "000"
                                 << "999";
        QTest::newRow("TextRANG") << "000" << 1000 << "000"
                                  << "999";
    }

    void load_fills_the_lists_and_keeps_the_texts() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        auto* field = control<QComboBox>(QTest::currentDataTag());
        QCOMPARE(field->currentText(), text);
        QCOMPARE(field->count(), count);
        QCOMPARE(field->itemText(0), first);
        QCOMPARE(field->itemText(count - 1), last);
    }

    // Filling a list leaves the field's text as it was, also when the list begins with another
    // code (the window's own lists begin with the texts the fields hold).
    void load_keeps_the_texts_whatever_the_lists_hold() {
        const auto reversed_list = [](int first, int last, int width) {
            std::vector<std::string> codes = make_code_list(first, last, width);
            std::reverse(codes.begin(), codes.end());
            return codes;
        };
        form_ = std::make_unique<Form1>(Form1::Operations{reversed_list, about_message});
        form_->start();
        QStringList texts;
        for (const char* field : {"TextAN", "TextDEP", "TextCOM", "TextRANG"}) {
            texts << control<QComboBox>(field)->currentText();
        }
        QCOMPARE(texts, (QStringList{"00", "01", "000", "000"}));
    }

    void calculer_shows_the_key_until_the_next_click() {
        QCOMPARE(key(), QStringLiteral("00"));
        click_through_the_window("Command2");
        QCOMPARE(key(), QStringLiteral("36"));
        click("Command2");
        QCOMPARE(key(), QStringLiteral("36"));

        control<QComboBox>("TextAN")->setEditText(QStringLiteral("85"));
        control<QComboBox>("TextDEP")->setCurrentIndex(control<QComboBox>("TextDEP")->count() - 1);
        QCOMPARE(key(), QStringLiteral("36"));
        click("Command2");
        QCOMPARE(key(), QStringLiteral("15")); // 1850199000000
        QCOMPARE(control<QComboBox>("TextAN")->currentText(), QStringLiteral("85"));
    }

    void calculer_reads_typed_text() {
        auto* department = control<QComboBox>("TextDEP");
        department->lineEdit()->selectAll();
        QTest::keyClicks(department->lineEdit(), QStringLiteral("2B"));
        control<QComboBox>("TextAN")->setEditText(QStringLiteral("85"));
        click("Command2");
        QCOMPARE(key(), QStringLiteral("68"));
        control<QComboBox>("TextSEX")->setEditText(QStringLiteral("1E400"));
        click("Command2");
        QCOMPARE(key(), QStringLiteral("Erreur"));
    }

    // ctest runs this test in French, and once more alone in the C locale (LC_ALL=C).
    void fractions_take_the_users_decimal_separator() {
        const bool c_locale = qEnvironmentVariable("LC_ALL") == QLatin1String("C");
        for (const char* name : {"TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"}) {
            control<QComboBox>(name)->setEditText(QString());
        }
        control<QComboBox>("TextSEX")->setEditText(QStringLiteral("1.5"));
        click("Command2");
        QCOMPARE(key(), c_locale ? QStringLiteral("95.5") : QStringLiteral("95,5"));
    }

    // Each row reaches a field with Tab as a person would, types into it key by key, then
    // presses the given keys. The field must hold exactly what was typed (nothing completed, the
    // text found there replaced), and Return on a focused "Calculer" must show its key.
    void typing_keeps_exactly_what_is_typed_data() {
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("then");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected_key");
        QTest::newRow("start-up text replaced") << 0 << "2" << QList<int>{} << "TextSEX"
                                                << "83";
        QTest::newRow("rank not completed") << 7 << "5" << QList<int>{Qt::Key_Tab} << "TextRANG"
                                            << "7";
        QTest::newRow("year not completed") << 5 << "8" << QList<int>{Qt::Key_Tab} << "TextAN"
                                            << "77";
        QTest::newRow("month left backwards")
            << 1 << "1" << QList<int>{Qt::Key_Backtab} << "TextMOI"
            << "81";
        QTest::newRow("commune typed over") << 6 << "123" << QList<int>{} << "TextCOM"
                                            << "32";
        QTest::newRow("Return and Escape in a field press nothing")
            << 4 << "2A" << QList<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape} << "TextDEP"
            << "35";
    }

    void typing_keeps_exactly_what_is_typed() {
        QFETCH(int, tabs);
        QFETCH(QString, typed);
        QFETCH(QList<int>, then);
        QFETCH(QString, field);
        QFETCH(QString, expected_key);
        for (int i = 0; i < tabs; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(focused_control(), field);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        for (const int pressed : then) {
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(pressed));
        }
        QCOMPARE(control<QComboBox>(qPrintable(field))->currentText(), typed);
        QCOMPARE(key(), QStringLiteral("00"));

        control<QToolButton>("Command2")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(key(), expected_key);
    }

    // The wheel over a field the user is not in neither changes it nor takes the focus; a click
    // takes the focus and keeps the caret, in the edit box where it lands, on the field's edge
    // where it was.
    void the_mouse_takes_a_field_only_by_a_click() {
        auto* commune = control<QComboBox>("TextCOM");
        turn_the_wheel_over(commune, 1);
        QCOMPARE(commune->currentText(), QStringLiteral("000"));
        QCOMPARE(focused_control(), QStringLiteral("TextSEX"));

        QLineEdit* edit = commune->lineEdit();
        for (const auto& [where, caret] :
             {std::pair{commune->mapTo(form_.get(), QPoint(1, commune->height() / 2)), 3},
              std::pair{edit->mapTo(form_.get(), QPoint(2, edit->height() / 2)), 0}}) {
            control<QComboBox>("TextSEX")->setFocus();
            QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, where);
            QCOMPARE(focused_control(), QStringLiteral("TextCOM"));
            QCOMPARE(edit->selectedText(), QString());
            QCOMPARE(edit->cursorPosition(), caret);
        }
    }

    // Typed text that is one of the list's items is where Down, Up and the wheel go on from, and
    // the opened list shows it chosen and in view; other text leaves no item current, so Down
    // starts the list, Up changes nothing and the opened list shows nothing chosen.
    void the_list_goes_on_from_the_typed_item() {
        constexpr int wheel = 0; // a notch down
        struct Row {
            const char* field;
            QString typed;
            QList<int> pressed;
            QString expected; // the text, with "|" where the caret is
        };
        for (const auto& [field, typed, pressed, expected] :
             {Row{"TextDEP", "50", {Qt::Key_Down}, "51|"},
              Row{"TextDEP", "01", {Qt::Key_Down}, "02|"}, Row{"TextAN", "42", {Qt::Key_Up}, "41|"},
              Row{"TextCOM", "500", {wheel}, "501|"}, Row{"TextDEP", "5", {Qt::Key_Down}, "01|"},
              Row{"TextCOM", "5", {wheel}, "000|"},
              Row{"TextDEP", "5x", {Qt::Key_Left, Qt::Key_Up}, "5|x"}}) {
            auto* box = control<QComboBox>(field);
            box->setFocus(Qt::TabFocusReason);
            box->lineEdit()->selectAll(); // a field already in focus is typed over too
            QTest::keyClicks(box->lineEdit(), typed);
            for (const int press : pressed) {
                if (press == wheel) {
                    turn_the_wheel_over(box, 1);
                } else {
                    QTest::keyClick(box->lineEdit(), static_cast<Qt::Key>(press));
                }
            }
            QString shown = box->currentText();
            QCOMPARE(shown.insert(box->lineEdit()->cursorPosition(), QLatin1Char('|')), expected);
        }
        auto* department = control<QComboBox>("TextDEP");
        for (const auto& [typed, chosen] :
             {std::pair{"95", QList<int>{94}}, std::pair{"9x", QList<int>{}}}) {
            department->setFocus(Qt::TabFocusReason);
            department->lineEdit()->selectAll();
            QTest::keyClicks(department->lineEdit(), QString::fromLatin1(typed));
            department->showPopup();
            const QAbstractItemView* list = department->view();
            QList<int> rows;
            for (const QModelIndex& item : list->selectionModel()->selectedIndexes()) {
                rows << item.row();
                QVERIFY(list->viewport()->rect().contains(list->visualRect(item)));
            }
            QCOMPARE(rows, chosen);
            department->hidePopup();
            QCOMPARE(department->currentText(), QString::fromLatin1(typed));
        }
    }

    // Whatever puts text into a field, the text put in, and nothing read again from elsewhere,
    // decides: a whole number fills the six fields, and a key pasted with it that is not its own
    // is told at once; focus and key display stay as they were. Other text stays where it went,
    // and typing never spreads. The X selection differs from the clipboard where both are used.
    void a_whole_number_put_into_a_field_fills_the_six_fields_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text"); // what the way puts in
        QTest::addColumn<QString>(
            "elsewhere"); // in the clipboard or the selection it must not read
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("told");
        const QString number = QStringLiteral("1 85 05 78 006 084");
        const QStringList parts{"1", "85", "05", "78", "006", "084"};
        const QString wrong_key = QStringLiteral("La clé collée, 42, n'est pas celle de ce numéro "
                                                 ": sa clé est 91.\nVérifiez le numéro.");
        QTest::newRow("Ctrl+V") << CtrlV << "TextSEX" << number << "autre" << parts << "";
        QTest::newRow("Ctrl+V, no-break spaces")
            << CtrlV << "TextAN"
            << "2\u00A093\u00A007\u00A075\u00A0115\u00A0042"
            << "autre" << QStringList{"2", "93", "07", "75", "115", "042"} << "";
        QTest::newRow("Shift+Insert, Corsica with its key")
            << ShiftInsert << "TextCOM"
            << "2 93 07 2a 115 042 83"
            << "autre" << QStringList{"2", "93", "07", "2a", "115", "042"} << "";
        QTest::newRow("menu Coller, dots and a line end") << MenuColler << "TextRANG"
                                                          << "1.85.05.78.006.084\n"
                                                          << "autre" << parts << "";
        QTest::newRow("drop") << Drop << "TextMOI" << number << "autre" << parts << "";
        QTest::newRow("wrong key told, the parts taken") << CtrlV << "TextDEP" << number + " 42"
                                                         << "autre" << parts << wrong_key;
        QTest::newRow("key 07 agrees with 7")
            << CtrlV << "TextSEX"
            << "1 00 01 01 000 029 07"
            << "autre" << QStringList{"1", "00", "01", "01", "000", "029"} << "";
        QTest::newRow("twelve digits stay")
            << CtrlV << "TextDEP"
            << "1 85 05 78 006" << number
            << QStringList{"1", "00", "01", "1 85 05 78 006", "000", "000"} << "";
        QTest::newRow("a number made with the text already there")
            << CtrlVAtTheEnd << "TextSEX"
            << "850578006084" << number
            << QStringList{"1850578006084", "00", "01", "01", "000", "000"} << "";
        QTest::newRow("typed") << Typed << "TextAN"
                               << "1850578006084" << number
                               << QStringList{"1", "1850578006084", "01", "01", "000", "000"} << "";
        QTest::newRow("middle button, the selection")
            << MiddleButton << "TextMOI" << number << "autre" << parts << "";
        QTest::newRow("middle button, other text")
            << MiddleButton << "TextSEX"
            << "autre" << number << QStringList{"1autre", "00", "01", "01", "000", "000"} << "";
        QTest::newRow("Ctrl+Shift+Insert, the selection")
            << CtrlShiftInsert << "TextCOM" << number + " 42"
            << "autre" << parts << wrong_key;
        QTest::newRow("Ctrl+Shift+Insert, other text")
            << CtrlShiftInsert << "TextCOM"
            << "hello" << number << QStringList{"1", "00", "01", "01", "hello", "000"} << "";
    }

    void a_whole_number_put_into_a_field_fills_the_six_fields() {
        QFETCH(Way, way);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, elsewhere);
        QFETCH(QStringList, expected);
        QFETCH(QString, told);
        QClipboard* clipboard = QGuiApplication::clipboard();
        const bool by_selection = way == MiddleButton || way == CtrlShiftInsert;
        if (by_selection && !clipboard->supportsSelection()) {
            QSKIP("only X11 keeps a selection to paste");
        }
        const bool by_clipboard = way != Drop && way != Typed && !by_selection;
        clipboard->setText(by_clipboard ? text : elsewhere, QClipboard::Clipboard);
        if (clipboard->supportsSelection()) {
            clipboard->setText(by_selection ? text : elsewhere, QClipboard::Selection);
        }
        auto* box = control<QComboBox>(qPrintable(field));
        box->setFocus(Qt::TabFocusReason);
        QLineEdit* edit = box->lineEdit();
        bool alert = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const QString shown = testing::message_box_shown_by(
            [&] { put_into(edit, way, text); },
            // Qt's accessibility takes the box as it is, not const.
            // cppcheck-suppress constParameter
            [&alert, &icon](QMessageBox& message) {
                alert = QAccessible::queryAccessibleInterface(&message)->role() ==
                        QAccessible::AlertMessage;
                icon = message.icon();
            });
        QCOMPARE(shown, told);
        QCOMPARE(alert, !told.isEmpty());
        QCOMPARE(icon, told.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning);
        QStringList texts;
        for (const char* name :
             {"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"}) {
            texts << control<QComboBox>(name)->currentText();
        }
        QCOMPARE(texts, expected);
        QCOMPARE(focused_control(form_.get()), field);
        QCOMPARE(key(), QStringLiteral("00"));
    }

    // As soon as a field changes, whichever way, the window says what the number says, to screen
    // readers too; the key display waits for "Calculer".
    void the_reading_follows_every_change_and_the_key_waits_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("reading");
        QTest::newRow("typed")
            << Typed << "TextMOI"
            << "13"
            << "À vérifier"
            << "Le mois 13 n'est pas un mois du calendrier.\nHomme, né en 1985 à "
               "Versailles (Yvelines).";
        QTest::newRow("chosen in the list")
            << ListDown << "TextSEX" << QString() << "Rien à signaler"
            << "Femme, née en mai 1985 à Versailles (Yvelines).";
        QTest::newRow("pasted") << CtrlV << "TextRANG"
                                << "2 60 03 75 044 001"
                                << "Rien à signaler"
                                << "Femme, née en mars 1960 à Levallois-Perret (Seine, aujourd'hui "
                                   "Hauts-de-Seine).";
        QTest::newRow("dropped") << Drop << "TextCOM"
                                 << "1 90 01 2A 004 001"
                                 << "Rien à signaler"
                                 << "Homme, né en janvier 1990 à Ajaccio (Corse-du-Sud).";
        QTest::newRow("pasted, impossible")
            << CtrlV << "TextAN"
            << "1 90 01 75 044 001"
            << "Numéro impossible"
            << "Aucune commune 044 à Paris en janvier 1990\u00A0: Levallois-Perret jusqu'en "
               "1967.\nHomme, né en janvier 1990 à Paris.";
    }

    void the_reading_follows_every_change_and_the_key_waits() {
        QFETCH(Way, way);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, verdict);
        QFETCH(QString, reading);
        const QStringList number{"1", "85", "05", "78", "646", "084"};
        const QStringList names{"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"};
        for (int i = 0; i < names.size(); ++i) {
            control<QComboBox>(qPrintable(names[i]))->setEditText(number[i]);
        }
        QGuiApplication::clipboard()->setText(text);
        auto* box = control<QComboBox>(qPrintable(field));
        box->setFocus(Qt::TabFocusReason);
        put_into(box->lineEdit(), way, text);
        QCoreApplication::processEvents(); // a whole number spreads once the field is done
        auto* shown = control<QLabel>("NumberReadingText");
        QCOMPARE(shown->text(), reading);
        QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), reading);
        auto* verdict_shown = control<QLabel>("NumberReadingVerdict");
        QCOMPARE(verdict_shown->text(), verdict);
        QCOMPARE(QAccessible::queryAccessibleInterface(verdict_shown)->text(QAccessible::Name),
                 verdict);
        QCOMPARE(key(), QStringLiteral("00"));
    }

    // Whatever the key display shows, what it copies is the key of the fields as they are now,
    // on two digits, or the whole number with it; nothing, the menu's items greyed, when the
    // fields hold no number. The display itself keeps the key of the last "Calculer".
    void copies_the_key_of_the_fields_as_they_are_now_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("calculer_first");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("copied"); // empty: nothing copied
        const QStringList start_up{"1", "00", "01", "01", "000", "000"};
        const QStringList other{"1", "85", "05", "78", "006", "084"};
        const QStringList corsica{"2", " 93", "07", "2a", "115", "042"};
        const QStringList no_number{"x", "85", "05", "78", "646", "084"};
        for (const char* how : {"menu key", "double click", "Ctrl+C"}) {
            QTest::addRow("%s, at start-up", how) << how << false << start_up << "36";
            QTest::addRow("%s, another number than calculated", how)
                << how << true << other << "91";
            QTest::addRow("%s, a key below 10", how)
                << how << false << QStringList{"1", "00", "01", "01", "000", "029"} << "07";
            QTest::addRow("%s, no number", how) << how << true << no_number << "";
        }
        QTest::newRow("menu number, another number than calculated")
            << "menu number" << true << other << "1 85 05 78 006 084 91";
        QTest::newRow("menu number, Corsica as typed")
            << "menu number" << false << corsica << "2 93 07 2A 115 042 83";
        QTest::newRow("menu number, no number") << "menu number" << true << no_number << "";
    }

    void copies_the_key_of_the_fields_as_they_are_now() {
        QFETCH(QString, how);
        QFETCH(bool, calculer_first);
        QFETCH(QStringList, fields);
        QFETCH(QString, copied);
        if (calculer_first) {
            click("Command2");
        }
        const QStringList names{"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"};
        for (int i = 0; i < names.size(); ++i) {
            control<QComboBox>(qPrintable(names[i]))->setEditText(fields[i]);
        }
        const QString shown = key();
        auto* display = control<QLabel>("LblCLE");
        const QList<QAction*> menu = display->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), QStringLiteral("Copier la clé"));
        QCOMPARE(menu[1]->text(), QStringLiteral("Copier le numéro et sa clé"));
        for (const QAction* item : menu) {
            QCOMPARE(item->isEnabled(), !copied.isEmpty());
        }
        const QString before = QStringLiteral("avant");
        QGuiApplication::clipboard()->setText(before);
        if (how == QLatin1String("menu key")) {
            menu[0]->trigger();
        } else if (how == QLatin1String("menu number")) {
            menu[1]->trigger();
        } else if (how == QLatin1String("double click")) {
            QTest::mouseDClick(display, Qt::LeftButton);
        } else {
            QTest::mouseClick(display, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), display);
            QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? before : copied);
        QCOMPARE(key(), shown);
    }

    // While the fields differ from those of the last "Calculer", the reading says that the key
    // shown is that of the earlier number; the display keeps it.
    void the_reading_says_when_the_key_shown_is_another_numbers() {
        const QString stale = QStringLiteral(
            "La clé affichée est celle du numéro précédent\u00A0: cliquez sur Calculer.");
        auto* reading = control<QLabel>("NumberReadingText");
        auto* year = control<QComboBox>("TextAN");
        QVERIFY(!reading->text().contains(stale)); // "00" is no number's key
        click("Command2");
        QVERIFY(!reading->text().contains(stale));
        year->setEditText(QStringLiteral("85"));
        QVERIFY(reading->text().startsWith(stale + QLatin1Char('\n')));
        QCOMPARE(key(), QStringLiteral("36"));
        year->setEditText(QStringLiteral("00"));
        QVERIFY(!reading->text().contains(stale));
        year->setEditText(QStringLiteral("85"));
        click("Command2");
        QVERIFY(!reading->text().contains(stale));
        QCOMPARE(key(), QStringLiteral("42")); // 1850101000000
    }

    // The key display's right click opens its menu, the fields' own menu pastes once with
    // "Coller"; both menus are freed once closed.
    void menus_open_do_their_work_once_and_are_freed() {
        const auto open_menus = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            int count = 0;
            for (const QWidget* widget : QApplication::topLevelWidgets()) {
                count += qobject_cast<const QMenu*>(widget) != nullptr ? 1 : 0;
            }
            return count;
        };
        const int menus_before = open_menus();
        auto* display = control<QLabel>("LblCLE");
        QContextMenuEvent right_click(QContextMenuEvent::Mouse, display->rect().center(),
                                      display->mapToGlobal(display->rect().center()));
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QStringList texts;
            if (menu != nullptr) {
                for (const QAction* action : menu->actions()) {
                    texts << action->text();
                }
                menu->close();
            }
            QCOMPARE(texts, (QStringList{"Copier la clé", "Copier le numéro et sa clé"}));
        });
        QApplication::sendEvent(display, &right_click);
        QCOMPARE(open_menus(), menus_before);

        auto* commune = control<QComboBox>("TextCOM");
        commune->setEditText(QString());
        commune->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QVERIFY(testing::choose_coller_in_the_menu_of(*commune->lineEdit()));
        QCOMPARE(commune->currentText(), QStringLiteral("abc"));
        QCOMPARE(open_menus(), menus_before);
    }

    // Return or Enter, the keypad's too, presses a focused button once however long it is held.
    void return_presses_a_focused_button_once() {
        auto* calculer = control<QToolButton>("Command2");
        calculer->setFocus(Qt::TabFocusReason);
        for (const auto& [pressed, modifiers, repeated, presses] :
             {std::tuple{Qt::Key_Return, Qt::NoModifier, false, 1},
              std::tuple{Qt::Key_Enter, Qt::KeypadModifier, false, 1},
              std::tuple{Qt::Key_Return, Qt::NoModifier, true, 0},
              std::tuple{Qt::Key_Return, Qt::ControlModifier, false, 0}}) {
            QSignalSpy clicks(calculer, &QToolButton::clicked);
            QKeyEvent press(QEvent::KeyPress, pressed, modifiers, QString(), repeated);
            QApplication::sendEvent(calculer, &press);
            QCOMPARE(clicks.size(), presses);
        }
    }

    // Screen readers read the key as shown, whole even where the display cuts it (its tooltip
    // then shows it too), and know the display as the key.
    void screen_readers_read_the_key() {
        auto* display = control<QLabel>("LblCLE");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(display);
        for (const auto& [sex, shown, cut] :
             {std::tuple{"1", QStringLiteral("36"), false},
              std::tuple{"1.5", QStringLiteral("95,4999899"), true}}) {
            control<QComboBox>("TextSEX")->setEditText(QString::fromLatin1(sex));
            click("Command2");
            QCOMPARE(accessible->text(QAccessible::Name), shown);
            QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Clé"));
            QCOMPARE(display->toolTip(), cut ? shown : QString());
        }
    }

    void tab_walks_the_focus_order() {
        const QStringList order{"TextSEX", "TextMOI", "Command1", "Command2", "TextDEP",
                                "TextAN",  "TextCOM", "TextRANG", "Command3", "TextSEX"};
        QStringList forwards{focused_control()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forwards << focused_control();
        }
        QCOMPARE(forwards, order);

        QStringList backwards{focused_control()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backwards << focused_control();
        }
        QStringList reversed(order.rbegin(), order.rend());
        QCOMPARE(backwards, reversed);
    }

    void enter_and_escape_in_a_field_click_nothing() {
        for (const char* name : {"TextSEX", "TextDEP"}) {
            auto* field = control<QComboBox>(name);
            const int count = field->count();
            field->lineEdit()->setFocus();
            field->lineEdit()->selectAll();
            QTest::keyClicks(field->lineEdit(), QStringLiteral("4x"));
            QTest::keyClick(field->lineEdit(), Qt::Key_Return);
            QTest::keyClick(field->lineEdit(), Qt::Key_Enter);
            QTest::keyClick(field->lineEdit(), Qt::Key_Escape);
            QCOMPARE(field->count(), count);
            QCOMPARE(field->findText(QStringLiteral("4x")), -1);
            QCOMPARE(field->currentText(), QStringLiteral("4x"));
        }
        QCOMPARE(key(), QStringLiteral("00"));
        QVERIFY(form_->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void a_propos_shows_the_message_until_ok() {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        bool each_line_on_one_line = false;
        answer_next_message_box([&](QMessageBox& box) {
            const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            each_line_on_one_line = label != nullptr;
            for (const QString& line : box.text().split(QLatin1Char('\n'))) {
                each_line_on_one_line =
                    each_line_on_one_line &&
                    label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width();
            }
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            buttons = box.buttons();
            // The window under the box takes no click while the box is open.
            click_through_the_window("Command2");
        });
        click("Command3");
        QCOMPARE(title, QStringLiteral("A propos"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(key(), QStringLiteral("00"));
        QVERIFY(each_line_on_one_line);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[0], QStringLiteral("Vardelis version 1.0.0 "));
        QCOMPARE(lines[7],
                 QStringLiteral("La clé s'obtient par un savant calcul : clé = 97 - (n° de sécu "
                                "modulo[97])."));
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(form_->isVisible());
    }

    void qt_texts_are_french() {
        const auto french = [](const char* context, const char* english) {
            return QCoreApplication::translate(context, english).remove(QLatin1Char('&'));
        };
        QCOMPARE(french("QLineEdit", "&Undo"), QStringLiteral("Annuler"));
        QCOMPARE(french("QLineEdit", "Cu&t"), QStringLiteral("Couper"));
        QCOMPARE(french("QLineEdit", "&Copy"), QStringLiteral("Copier"));
        QCOMPARE(french("QLineEdit", "&Paste"), QStringLiteral("Coller"));
    }

    void quitter_ends_the_program_with_status_zero_and_no_further_handler() {
        form_ = std::make_unique<Form1>();
        const int status = run_program_for_a_while([this] {
            form_->start();
            QTimer::singleShot(0, [this] { click("Command1"); });
            QTimer::singleShot(0, [this] { click("Command2"); }); // already queued: must not run
        });
        QCOMPARE(status, 0);
        QCOMPARE(key(), QStringLiteral("00"));
        QVERIFY(!form_->isVisible());
    }

    void closing_the_window_ends_the_program() {
        form_ = std::make_unique<Form1>();
        const int status = run_program_for_a_while([this] {
            form_->start();
            QTimer::singleShot(0, [this] { form_->close(); });
        });
        QCOMPARE(status, 0);
    }

    void an_untrapped_error_shows_the_error_box_and_ends_the_program_data() {
        QTest::addColumn<bool>("failing_load");
        QTest::addColumn<QString>("expected_text");
        QTest::newRow("Form_Load") << true << "Erreur d'exécution '6' :\n\nDépassement de capacité";
        QTest::newRow("Command3_Click")
            << false << "Erreur d'exécution '7' :\n\nMémoire insuffisante";
    }

    void an_untrapped_error_shows_the_error_box_and_ends_the_program() {
        QFETCH(bool, failing_load);
        QFETCH(QString, expected_text);
        Form1::Operations operations{make_code_list, failing_about_message};
        if (failing_load) {
            operations.make_code_list = failing_code_list;
        }
        form_ = std::make_unique<Form1>(operations);
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answer_next_message_box([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
        });
        const int status = run_program_for_a_while([this, failing_load] {
            form_->start();
            if (!failing_load) {
                QTimer::singleShot(0, [this] { click("Command3"); });
            }
        });
        QCOMPARE(status, 1);
        QCOMPARE(title, QStringLiteral("Vardelis"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(text, expected_text);
        QVERIFY(!form_->isVisible());
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::Form1Behaviour)
#include "form1_behaviour_test.moc"
