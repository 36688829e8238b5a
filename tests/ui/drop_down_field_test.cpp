// A drop-down field alone: which edits of its edit box it tells as text put in, and with what
// text. Only what a paste, the X selection or a drop puts in is told; typing, undo, redo, an
// input method's text and the program's own changes never are.

#include "runtime/qt/drop_down_field.h"
#include "ui/application.h"
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace vardelis {

class DropDownFieldTest : public QObject {
    Q_OBJECT

public:
    enum Edit {
        CtrlV,
        MenuColler,
        MiddleButton,
        Drop,
        Typed,
        UndoOfADeletion,
        RedoOfAPaste,
        InputMethod,
        TypedThenDown,
        ChangedByTheProgramThenCtrlV
    };
    Q_ENUM(Edit)

private slots:
    void initTestCase() { prepare_application(*qApp); }

    void tells_only_what_a_paste_or_a_drop_puts_in_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selection_start");
        QTest::addColumn<int>("selection_length"); // below 0: made backwards, towards the start
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("put_in");
        QTest::addColumn<QStringList>("told");
        const QString number = QStringLiteral("1850578006084");
        QTest::newRow("Ctrl+V at the caret")
            << "12" << 1 << 0 << CtrlV << "abc" << QStringList{"abc"};
        QTest::newRow("Ctrl+V over a selection made forwards")
            << "123456" << 1 << 3 << CtrlV << number << QStringList{number};
        QTest::newRow("Ctrl+V over a selection made backwards")
            << "123456" << 4 << -3 << CtrlV << number << QStringList{number};
        QTest::newRow("Ctrl+V of one character") << "12" << 2 << 0 << CtrlV << "3" << QStringList{};
        QTest::newRow("Ctrl+V after the program changed the text")
            << "12" << 2 << 0 << ChangedByTheProgramThenCtrlV << "12" << QStringList{"12"};
        QTest::newRow("menu Coller over a selection")
            << "123456" << 0 << 6 << MenuColler << number << QStringList{number};
        QTest::newRow("middle button")
            << "12" << 0 << 0 << MiddleButton << number << QStringList{number};
        QTest::newRow("drop") << "12" << 0 << 0 << Drop << number << QStringList{number};
        QTest::newRow("typed") << "" << 0 << 0 << Typed << number << QStringList{};
        QTest::newRow("undo of a deletion")
            << number << 0 << 13 << UndoOfADeletion << "" << QStringList{};
        QTest::newRow("redo of a paste, told once")
            << "" << 0 << 0 << RedoOfAPaste << number << QStringList{number};
        QTest::newRow("input method") << "" << 0 << 0 << InputMethod << number << QStringList{};
        QTest::newRow("typed, then Down") << "" << 0 << 0 << TypedThenDown << "01" << QStringList{};
    }

    void tells_only_what_a_paste_or_a_drop_puts_in() {
        QFETCH(QString, text);
        QFETCH(int, selection_start);
        QFETCH(int, selection_length);
        QFETCH(Edit, edit);
        QFETCH(QString, put_in);
        QFETCH(QStringList, told);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (edit == MiddleButton && !clipboard->supportsSelection()) {
            QSKIP("only X11 keeps a selection to paste");
        }
        clipboard->setText(put_in, QClipboard::Clipboard);
        if (clipboard->supportsSelection()) {
            clipboard->setText(put_in, QClipboard::Selection);
        }
        QWidget window;
        auto* field = new runtime::DropDownField({"01", "02", "03"}, Qt::cyan, &window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        field->setEditText(text);
        QLineEdit* box = field->lineEdit();
        box->setSelection(selection_start, selection_length);
        QSignalSpy spy(field, &runtime::DropDownField::inserted);

        switch (edit) {
        case CtrlV:
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case ChangedByTheProgramThenCtrlV:
            field->setEditText(QStringLiteral("999"));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case MenuColler:
            QVERIFY(testing::choose_coller_in_the_menu_of(*box));
            break;
        case MiddleButton:
            QTest::mouseClick(box, Qt::MiddleButton, {}, box->rect().center());
            break;
        case Drop:
            testing::drop_text_on(*box, put_in);
            break;
        case Typed:
            QTest::keyClicks(field, put_in);
            break;
        case UndoOfADeletion:
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(box->text(), text);
            break;
        case RedoOfAPaste:
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(box->text(), put_in);
            break;
        case InputMethod: {
            QInputMethodEvent composed;
            composed.setCommitString(put_in);
            QApplication::sendEvent(field, &composed);
            QCOMPARE(box->text(), put_in);
            break;
        }
        case TypedThenDown:
            QTest::keyClicks(field, put_in);
            QTest::keyClick(field, Qt::Key_Down);
            QCOMPARE(box->text(), QStringLiteral("02"));
            break;
        }

        QStringList seen;
        for (const QList<QVariant>& signal : spy) {
            seen << signal.at(0).toString();
        }
        QCOMPARE(seen, told);
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::DropDownFieldTest)
#include "drop_down_field_test.moc"
