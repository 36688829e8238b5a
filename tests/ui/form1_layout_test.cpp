// The window as it is built: each control's kind, place, text and look.

#include "logic/reading/number_reading.h"
#include "logic/reading/reading_in_french.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vardelis {
namespace {

bool same_pixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// The colour that most of the control shows where the window draws it.
QColor drawn_colour(QWidget& window, const QWidget& control) {
    const QImage drawn = window.grab().toImage();
    const qreal ratio = drawn.devicePixelRatio();
    const QRect pixels(control.mapTo(&window, QPoint()) * ratio, control.size() * ratio);
    std::map<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            ++counts[drawn.pixel(x, y)];
        }
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return {most->first};
}

} // namespace

class Form1Layout : public QObject {
    Q_OBJECT

private:
    Form1 form_;

    template <typename Control> Control* control(const char* name) {
        return testing::control<Control>(form_, name);
    }

private slots:
    void initTestCase() { prepare_application(*qApp); }

    void window() {
        QCOMPARE(form_.windowTitle(), QStringLiteral("Clé du numéro de sécurité sociale"));
        QCOMPARE(form_.size(), QSize(490, 326)); // 7350 x 4890 twips
        QCOMPARE(form_.minimumSize(), form_.maximumSize());
        const Qt::WindowFlags flags = form_.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!form_.windowIcon().isNull());
#ifdef Q_OS_WIN
        // A fixed single-line border: no resize arrows, no minimise or maximise box.
        const LONG_PTR style = GetWindowLongPtrW(reinterpret_cast<HWND>(form_.winId()), GWL_STYLE);
        QCOMPARE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), LONG_PTR{0});
#endif
    }

    void has_the_nineteen_named_controls() {
        QStringList names;
        for (const QWidget* widget : form_.findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() &&
                !widget->objectName().startsWith(QLatin1String("qt_"))) {
                names << widget->objectName();
            }
        }
        names.sort();
        QCOMPARE(names, (QStringList{"BirthPlaceSearch",
                                     "CheckAList",
                                     "Command1",
                                     "Command2",
                                     "Command3",
                                     "Frame1",
                                     "Frame2",
                                     "Label1",
                                     "Label2",
                                     "Label3",
                                     "Label4",
                                     "Label5",
                                     "Label6",
                                     "Label7",
                                     "LblCLE",
                                     "NumberReading",
                                     "NumberReadingText",
                                     "NumberReadingVerdict",
                                     "TextAN",
                                     "TextCOM",
                                     "TextDEP",
                                     "TextMOI",
                                     "TextRANG",
                                     "TextSEX"}));
    }

    void controls_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* kind, const char* container, QRect twips,
                            const QString& text) {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(container)
                                << twips << text;
        };
        row("Frame2", "QFrame", "Form1", {120, 3600, 3855, 1215}, {});
        row("Command3", "QToolButton", "Frame2", {120, 240, 1095, 855}, "A propos");
        row("Command2", "QToolButton", "Frame2", {1320, 240, 1215, 855}, "Calculer");
        row("Command1", "QToolButton", "Frame2", {2640, 240, 1095, 855}, "Quitter");
        row("Frame1", "QFrame", "Form1", {120, 120, 3855, 3375}, {});
        row("TextRANG", "QComboBox", "Frame1", {2880, 2160, 735, 315}, "000");
        row("TextCOM", "QComboBox", "Frame1", {2880, 1800, 735, 315}, "000");
        row("TextAN", "QComboBox", "Frame1", {2880, 720, 735, 315}, "00");
        row("TextDEP", "QComboBox", "Frame1", {2880, 1440, 735, 315}, "01");
        row("TextMOI", "QComboBox", "Frame1", {2880, 1080, 735, 315}, "01");
        row("TextSEX", "QComboBox", "Frame1", {2880, 360, 735, 315}, "1");
        row("LblCLE", "QLabel", "Frame1", {1440, 2880, 975, 375}, "00");
        row("Label7", "QLabel", "Frame1", {240, 2640, 3135, 255},
            "Votre numéro clé de sécurité sociale est le :");
        row("Label6", "QLabel", "Frame1", {120, 2160, 2655, 495},
            "Rang de naissance dans le mois dans la commune :");
        row("Label5", "QLabel", "Frame1", {120, 1800, 2655, 255},
            "Code de la commune de naissance :");
        row("Label4", "QLabel", "Frame1", {360, 1440, 2415, 255}, "Département de naissance :");
        row("Label3", "QLabel", "Frame1", {480, 1080, 2295, 255}, "Mois de naissance :");
        row("Label1", "QLabel", "Frame1", {480, 360, 2295, 255}, "Sexe - 1 Masculin - 2 Feminin :");
        row("Label2", "QLabel", "Frame1", {600, 720, 2175, 255}, "Année de naissance :");
    }

    void controls() {
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        auto* widget = control<QWidget>(QTest::currentDataTag());
        QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(widget->geometry(), pixels);
        if (auto* field = qobject_cast<QComboBox*>(widget)) {
            QCOMPARE(field->currentText(), text);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
        } else if (auto* button = qobject_cast<QToolButton*>(widget)) {
            QCOMPARE(button->text(), text);
        }
    }

    void frames_are_etched_without_caption() {
        for (const char* name : {"Frame1", "Frame2"}) {
            auto* frame = control<QFrame>(name);
            QCOMPARE(frame->frameShape(), QFrame::Box);
            QCOMPARE(frame->frameShadow(), QFrame::Sunken);
            QVERIFY(frame->focusPolicy() == Qt::NoFocus);
        }
    }

    void fields_are_editable_light_cyan_and_insert_nothing() {
        for (const char* name :
             {"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"}) {
            auto* field = control<QComboBox>(name);
            QVERIFY2(field->isEditable(), name);
            QCOMPARE(field->insertPolicy(), QComboBox::NoInsert);
            QCOMPARE(field->lineEdit()->palette().color(QPalette::Base), QColor(192, 255, 255));
            // As the platform's style draws it, the Windows one included.
            QCOMPARE(drawn_colour(form_, *field->lineEdit()), QColor(192, 255, 255));
        }
    }

    // On a dark desktop theme the fields, their lists and the key keep black text on their light
    // backgrounds; the labels and what the number says go on following the desktop.
    void numbers_stay_black_on_a_dark_desktop() {
        const QPalette desktop = QApplication::palette();
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        Form1 dark_form;
        QApplication::setPalette(desktop);
        for (const char* name :
             {"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"}) {
            auto* field = testing::control<QComboBox>(dark_form, name);
            for (const QWidget* part :
                 std::initializer_list<const QWidget*>{field, field->view()}) {
                QCOMPARE(part->palette().color(QPalette::Base), QColor(192, 255, 255));
                QCOMPARE(part->palette().color(QPalette::Text), QColor(Qt::black));
            }
        }
        QCOMPARE(
            testing::control<QLabel>(dark_form, "LblCLE")->palette().color(QPalette::WindowText),
            QColor(Qt::black));
        for (const char* name : {"Label1", "NumberReadingText"}) {
            QCOMPARE(
                testing::control<QLabel>(dark_form, name)->palette().color(QPalette::WindowText),
                dark.color(QPalette::WindowText));
        }
    }

    // The verdict stands out in words, beside an icon and in its own colour, which keeps a
    // contrast of at least 4.5 to 1 (WCAG's AA level for text) with the background it is drawn
    // on, on a light and on a dark desktop theme alike.
    void the_verdict_stands_out_on_light_and_dark_themes_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("verdict");
        const QStringList fine{"1", "85", "05", "78", "646", "084"};
        const QStringList to_check{"1", "85", "05", "78", "999", "084"};
        const QStringList impossible{"1", "85", "05", "20", "004", "084"};
        for (const bool dark : {false, true}) {
            const char* theme = dark ? "dark, " : "light, ";
            QTest::addRow("%snothing to say", theme) << dark << fine << "Rien à signaler";
            QTest::addRow("%sto check", theme) << dark << to_check << "À vérifier";
            QTest::addRow("%simpossible", theme) << dark << impossible << "Numéro impossible";
        }
    }

    void the_verdict_stands_out_on_light_and_dark_themes() {
        QFETCH(bool, dark);
        QFETCH(QStringList, fields);
        QFETCH(QString, verdict);
        const QPalette desktop = QApplication::palette();
        if (dark) {
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        }
        Form1 themed;
        QApplication::setPalette(desktop);
        const QStringList names{"TextSEX", "TextAN", "TextMOI", "TextDEP", "TextCOM", "TextRANG"};
        for (int i = 0; i < names.size(); ++i) {
            testing::control<QComboBox>(themed, qPrintable(names[i]))->setEditText(fields[i]);
        }
        auto* shown = testing::control<QLabel>(themed, "NumberReadingVerdict");
        QCOMPARE(shown->text(), verdict);
        const auto luminance = [](const QColor& colour) {
            const auto linear = [](qreal c) {
                return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                   0.0722 * linear(colour.blueF());
        };
        const qreal text = luminance(shown->palette().color(QPalette::WindowText));
        const qreal background = luminance(testing::control<QGroupBox>(themed, "NumberReading")
                                               ->palette()
                                               .color(QPalette::Window));
        const qreal contrast =
            (std::max(text, background) + 0.05) / (std::min(text, background) + 0.05);
        QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
        QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name), verdict);
        const QList<QLabel*> labels = shown->parentWidget()->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return !label->pixmap().isNull(); }));
    }

    void labels_are_right_aligned_and_wrap() {
        for (const char* name :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
            auto* label = control<QLabel>(name);
            QVERIFY2(label->alignment().testFlag(Qt::AlignRight), name);
            QVERIFY2(label->wordWrap(), name);
            QVERIFY2(label->focusPolicy() == Qt::NoFocus, name);
        }
        // The right edges of the field labels line up just left of the fields.
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QCOMPARE(control<QLabel>(name)->geometry().right() + 1, 2775 / 15);
        }
    }

    // A text that needs more room than its control has is cut on screen.
    void texts_fit_their_controls() {
        for (const char* name :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
            auto* label = control<QLabel>(name);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
        QVERIFY(control<QLabel>("Label6")->heightForWidth(2655 / 15) >
                QFontMetrics(control<QLabel>("Label6")->font()).height());
        auto* key = control<QLabel>("LblCLE");
        for (const QString& shown : {QStringLiteral("97"), QStringLiteral("Erreur")}) {
            QVERIFY2(key->fontMetrics().horizontalAdvance(shown) <= key->contentsRect().width(),
                     qPrintable(shown));
        }
        for (const char* name : {"Command1", "Command2", "Command3"}) {
            auto* button = control<QToolButton>(name);
            QVERIFY2(button->sizeHint().width() <= button->width(), name);
            QVERIFY2(button->sizeHint().height() <= button->height(), name);
        }
    }

    // What the number says stands to the right of the window as it was drawn, in a group that
    // screen readers name, as plain text that wraps; the longest readings fit.
    void number_reading_beside_the_window() {
        auto* box = control<QGroupBox>("NumberReading");
        QCOMPARE(box->parentWidget(), &form_);
        QCOMPARE(box->geometry(), QRect(4095 / 15, 495 / 15, 3135 / 15, 3840 / 15));
        QCOMPARE(control<QLineEdit>("BirthPlaceSearch")->geometry(),
                 QRect(4095 / 15, 120 / 15, 3135 / 15, 315 / 15));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name),
                 QStringLiteral("Ce que dit le numéro"));
        for (const char* name : {"NumberReadingVerdict", "NumberReadingText"}) {
            auto* label = control<QLabel>(name);
            QCOMPARE(label->parentWidget(), box);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(label->wordWrap());
            QVERIFY(!(label->focusPolicy() & Qt::TabFocus));
        }
        QVERIFY(control<QLabel>("NumberReadingVerdict")->font().bold());
        auto* reading = control<QLabel>("NumberReadingText");
        // The longest readings: two centuries each with a renamed place, a warning on each
        // part, a country renamed since; each after a long comparison with a place typed and the
        // line on a key of another number.
        for (const KeyInputs& parts :
             {KeyInputs{"5", "24", "05", "24", "291", "x"},
              KeyInputs{"3", "70", "13", "04", "070", "-"},
              KeyInputs{"7", "62", "30", "99", "352", ""},
              KeyInputs{"9", "75", "99", "99", "116", "0"},
              KeyInputs{"1", "62", "12", "91", "123", "1"},
              KeyInputs{"2", "x", "45", "984", "2A0", "-"}, KeyInputs{"", "", "", "", "", ""}}) {
            const QString text =
                QStringLiteral("Le numéro dit Paris 15e arrondissement (75\u00A0215)\u00A0; "
                               "Saint-Denis, en septembre 1975, c'est 93\u00A0066 ou "
                               "97\u00A0411.\n\n") +
                QStringLiteral("La clé affichée est celle du numéro précédent\u00A0: cliquez sur "
                               "Calculer.\n\n") +
                QString::fromStdString(
                    in_french(read_number(parts, std::chrono::year{2026} / std::chrono::May)));
            QVERIFY2(reading->fontMetrics()
                             .boundingRect(reading->contentsRect(), Qt::TextWordWrap, text)
                             .height() <= reading->contentsRect().height(),
                     qPrintable(text));
        }
    }

    void key_display() {
        auto* key = control<QLabel>("LblCLE");
        QCOMPARE(key->frameShape(), QFrame::Box);
        QCOMPARE(key->frameShadow(), QFrame::Plain);
        QCOMPARE(key->lineWidth(), 1);
        QCOMPARE(key->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(key->autoFillBackground());
        QCOMPARE(key->palette().color(QPalette::Window), QColor(192, 255, 192));
        QCOMPARE(drawn_colour(form_, *key), QColor(192, 255, 192));
        const QFont font = key->font();
        QCOMPARE(font.family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // fontconfig serves the free Comic Neue face for it.
        QVERIFY2(QFontInfo(font).family().contains(QLatin1String("Comic")),
                 qPrintable(QFontInfo(font).family()));
        // Centred in its frame.
        QCOMPARE(key->geometry().center().x(), control<QFrame>("Frame1")->rect().center().x());
    }

    void buttons_data() {
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Command3") << QStringLiteral("Auteur");
        QTest::newRow("Command2") << QStringLiteral("Calcul de la clé");
        QTest::newRow("Command1") << QStringLiteral("Quitter Vardelis");
    }

    void buttons() {
        QFETCH(QString, tooltip);
        auto* button = control<QToolButton>(QTest::currentDataTag());
        QCOMPARE(button->toolTip(), tooltip);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->icon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
    }

    void accessible_names_and_descriptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("TextSEX") << "Sexe - 1 Masculin - 2 Feminin :"
                                 << "";
        QTest::newRow("TextAN") << "Année de naissance :"
                                << "";
        QTest::newRow("TextMOI") << "Mois de naissance :"
                                 << "";
        QTest::newRow("TextDEP") << "Département de naissance :"
                                 << "";
        QTest::newRow("TextCOM") << "Code de la commune de naissance :"
                                 << "";
        QTest::newRow("TextRANG") << "Rang de naissance dans le mois dans la commune :"
                                  << "";
        QTest::newRow("LblCLE") << "00"
                                << "Clé";
        QTest::newRow("Command3") << "A propos"
                                  << "Auteur";
        QTest::newRow("Command2") << "Calculer"
                                  << "Calcul de la clé";
        QTest::newRow("Command1") << "Quitter"
                                  << "Quitter Vardelis";
    }

    void accessible_names_and_descriptions() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto* widget = control<QWidget>(QTest::currentDataTag());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Description), description);
        if (qobject_cast<QComboBox*>(widget) == nullptr) {
            QCOMPARE(accessible->text(QAccessible::Name), name);
            return;
        }
        // On Linux a combo box's name is its text; screen readers name the field by the label
        // that the "labelled by" relation points to, and Qt makes that relation from the buddy.
        QStringList labels;
        for (const auto& [other, relation] : accessible->relations(QAccessible::Label)) {
            labels << other->text(QAccessible::Name);
        }
        QCOMPARE(labels, QStringList{name});
    }

    // Run at 100% and at 200% (QT_SCALE_FACTOR=2): the same logical layout, drawn with twice the
    // pixels, and the pictures from their 64 pixel renderings rather than enlarged.
    void pictures_and_window_at_the_screens_density() {
        const qreal ratio = form_.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        QCOMPARE(form_.grab().size(), QSize(490, 326) * ratio);
        const QString rendering = ratio > 1 ? QStringLiteral("-64.png") : QStringLiteral("-32.png");
        const std::array<std::pair<const char*, const char*>, 3> pictures = {
            {{"Command3", "question"}, {"Command2", "sign"}, {"Command1", "door"}}};
        for (const auto& [name, picture] : pictures) {
            const QImage drawn = control<QToolButton>(name)
                                     ->icon()
                                     .pixmap(QSize(32, 32), ratio)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            const QImage file =
                QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(picture) + rendering)
                    .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!file.isNull() && same_pixels(drawn, file), name);
        }
    }

    void description_lists() {
        QStringList months;
        for (int month = 1; month <= 12; ++month) {
            months << QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
        }
        const auto items = [this](const char* name) {
            QStringList texts;
            auto* field = control<QComboBox>(name);
            for (int i = 0; i < field->count(); ++i) {
                texts << field->itemText(i);
            }
            return texts;
        };
        QCOMPARE(items("TextSEX"), (QStringList{"1", "2"}));
        QCOMPARE(items("TextMOI"), months);
        for (const char* name : {"TextAN", "TextDEP", "TextCOM", "TextRANG"}) {
            QCOMPARE(control<QComboBox>(name)->count(), 0); // filled when the window loads
        }
    }
};

} // namespace vardelis

QTEST_MAIN(vardelis::Form1Layout)
#include "form1_layout_test.moc"
