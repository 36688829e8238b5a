#include "ui/form1.h"

#include "logic/logic.h"
#include "logic/places/places.h"
#include "logic/reading/number_reading.h"
#include "logic/reading/place_comparison.h"
#include "runtime/core/resume_next.h"
#include "runtime/qt/command_button.h"
#include "runtime/qt/decimal_separator.h"
#include "runtime/qt/drop_down_field.h"
#include "runtime/qt/forms.h"
#include "runtime/qt/message_box.h"
#include "runtime/qt/program.h"
#include "runtime/qt/window_placement.h"
#include "ui/key_copies.h"
#include "ui/list_window.h"
#include "ui/number_reading_box.h"
#include "ui/pictures.h"
#include "ui/place_search_field.h"
#include "ui/this_month.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <array>
#include <optional>
#include <utility>

namespace vardelis {
namespace {

using runtime::TwipsRect;

// The window as it was drawn, 4095 twips wide, with what the number says to the right of it.
constexpr TwipsRect client_area{0, 0, 7350, 4890};
constexpr TwipsRect place_search_place{4095, 120, 3135, 315};
constexpr TwipsRect number_reading_place{4095, 495, 3135, 3840};
constexpr TwipsRect list_opening_place{4095, 4440, 3135, 375};
const QColor field_colour(192, 255, 255); // light cyan
const QColor key_colour(192, 255, 192);   // light green

// The window's texts must each fit their label at a fixed size: Arial's metrics at 7.5 points
// (10 pixels) come closest to the narrow dialog font the layout was drawn for.
QFont window_font() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(7.5);
    return font;
}

QFrame* make_frame(QWidget* container, const char* name, const TwipsRect& place) {
    auto* frame = new QFrame(container);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched line
    frame->setGeometry(runtime::to_pixels(place));
    return frame;
}

runtime::DropDownField* make_field(QWidget* container, const char* name, const TwipsRect& place,
                                   const QString& text, const QStringList& items = {}) {
    auto* field = new runtime::DropDownField(items, field_colour, container);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(runtime::to_pixels(place));
    field->setEditText(text);
    return field;
}

QLabel* make_label(QWidget* container, const char* name, const TwipsRect& place,
                   const QString& caption) {
    auto* label = new QLabel(caption, container);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(runtime::to_pixels(place));
    return label;
}

QToolButton* make_button(QWidget* container, const char* name, const TwipsRect& place,
                         const QString& caption, Picture which, const QString& tooltip) {
    auto* button = new runtime::CommandButton(container);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(picture(which));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setToolTip(tooltip);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(runtime::to_pixels(place));
    return button;
}

QStringList month_codes() {
    return {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"), QStringLiteral("04"),
            QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("07"), QStringLiteral("08"),
            QStringLiteral("09"), QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")};
}

} // namespace

Form1::Form1(QWidget* parent)
    : Form1(Operations{make_code_list, about_message}, parent) {}

Form1::Form1(Operations operations, QWidget* parent)
    // A fixed single-line border with a close box alone; on Windows the fixed-size dialog hint
    // keeps the border from offering resize arrows and a maximise on double-click.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , operations_(std::move(operations))
    , decimal_separator_(runtime::user_decimal_separator()) {
    setObjectName(QStringLiteral("Form1"));
    set_window_look();
    build_frames();
    build_buttons();
    build_fields();
    build_labels();
    build_key_display();
    build_number_reading();
    build_list_opening();
    // The Tab order is the one the window was drawn with, not top to bottom: sex, month, then
    // "Quitter" and "Calculer", then department, year, commune, rank and "A propos".
    runtime::set_focus_order(
        {TextSEX, TextMOI, Command1, Command2, TextDEP, TextAN, TextCOM, TextRANG, Command3});
    take_whole_numbers_pasted();

    connect(Command1, &QToolButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QToolButton::clicked, this, &Form1::Command2_Click);
    connect(Command2, &QToolButton::clicked, this, &Form1::remember_calculated_fields);
    connect(Command3, &QToolButton::clicked, this, &Form1::Command3_Click);
}

void Form1::set_window_look() {
    setWindowTitle(QStringLiteral("Clé du numéro de sécurité sociale"));
    setWindowIcon(picture(Picture::Sign));
    setFont(window_font());
    setFixedSize(runtime::to_pixels(client_area).size());
}

void Form1::build_frames() {
    Frame2 = make_frame(this, "Frame2", {120, 3600, 3855, 1215});
    Frame1 = make_frame(this, "Frame1", {120, 120, 3855, 3375});
}

void Form1::build_buttons() {
    Command3 = make_button(Frame2, "Command3", {120, 240, 1095, 855}, QStringLiteral("A propos"),
                           Picture::Question, QStringLiteral("Auteur"));
    Command2 = make_button(Frame2, "Command2", {1320, 240, 1215, 855}, QStringLiteral("Calculer"),
                           Picture::Sign, QStringLiteral("Calcul de la clé"));
    Command1 = make_button(Frame2, "Command1", {2640, 240, 1095, 855}, QStringLiteral("Quitter"),
                           Picture::Door, QStringLiteral("Quitter Vardelis"));
}

void Form1::build_fields() {
    TextRANG = make_field(Frame1, "TextRANG", {2880, 2160, 735, 315}, QStringLiteral("000"));
    TextCOM = make_field(Frame1, "TextCOM", {2880, 1800, 735, 315}, QStringLiteral("000"));
    TextAN = make_field(Frame1, "TextAN", {2880, 720, 735, 315}, QStringLiteral("00"));
    TextDEP = make_field(Frame1, "TextDEP", {2880, 1440, 735, 315}, QStringLiteral("01"));
    TextMOI =
        make_field(Frame1, "TextMOI", {2880, 1080, 735, 315}, QStringLiteral("01"), month_codes());
    TextSEX = make_field(Frame1, "TextSEX", {2880, 360, 735, 315}, QStringLiteral("1"),
                         {QStringLiteral("1"), QStringLiteral("2")});
}

// Queued: the fields change, and a message may show, once the field that took the text is done
// with it.
void Form1::take_whole_numbers_pasted() {
    for (runtime::DropDownField* field : {TextSEX, TextAN, TextMOI, TextDEP, TextCOM, TextRANG}) {
        connect(field, &runtime::DropDownField::inserted, this, &Form1::spread_whole_number,
                Qt::QueuedConnection);
    }
}

void Form1::spread_whole_number(const QString& inserted) {
    const std::optional<WholeNumber> number = split_whole_number(inserted.toStdString());
    if (!number) {
        return;
    }
    const KeyInputs& parts = number->parts;
    for (const auto& [field, part] :
         {std::pair{TextSEX, &parts.sex}, std::pair{TextAN, &parts.year},
          std::pair{TextMOI, &parts.month}, std::pair{TextDEP, &parts.department},
          std::pair{TextCOM, &parts.commune}, std::pair{TextRANG, &parts.rank}}) {
        field->setEditText(QString::fromStdString(*part));
    }
    if (const std::optional<std::string> own_key = own_key_if_another_was_pasted(*number)) {
        runtime::MsgBox("La clé collée, " + number->key +
                            ", n'est pas celle de ce numéro : sa clé est " + *own_key +
                            ".\rVérifiez le numéro.",
                        runtime::MsgBoxStyle::Exclamation, "Vardelis", this);
    }
}

void Form1::build_labels() {
    Label7 = make_label(Frame1, "Label7", {240, 2640, 3135, 255},
                        QStringLiteral("Votre numéro clé de sécurité sociale est le :"));
    Label6 = make_label(Frame1, "Label6", {120, 2160, 2655, 495},
                        QStringLiteral("Rang de naissance dans le mois dans la commune :"));
    Label5 = make_label(Frame1, "Label5", {120, 1800, 2655, 255},
                        QStringLiteral("Code de la commune de naissance :"));
    Label4 = make_label(Frame1, "Label4", {360, 1440, 2415, 255},
                        QStringLiteral("Département de naissance :"));
    Label3 =
        make_label(Frame1, "Label3", {480, 1080, 2295, 255}, QStringLiteral("Mois de naissance :"));
    Label1 = make_label(Frame1, "Label1", {480, 360, 2295, 255},
                        QStringLiteral("Sexe - 1 Masculin - 2 Feminin :"));
    Label2 =
        make_label(Frame1, "Label2", {600, 720, 2175, 255}, QStringLiteral("Année de naissance :"));

    // Each field is named by its label, for screen readers as for the eye.
    const std::array<std::pair<QLabel*, QComboBox*>, 6> named_fields = {{{Label1, TextSEX},
                                                                         {Label2, TextAN},
                                                                         {Label3, TextMOI},
                                                                         {Label4, TextDEP},
                                                                         {Label5, TextCOM},
                                                                         {Label6, TextRANG}}};
    for (const auto& [label, field] : named_fields) {
        label->setBuddy(field);
    }
}

void Form1::build_key_display() {
    LblCLE = new QLabel(QStringLiteral("00"), Frame1);
    LblCLE->setObjectName(QStringLiteral("LblCLE"));
    // Screen readers read the key itself as the display's name, and what it is as its description.
    LblCLE->setAccessibleDescription(QStringLiteral("Clé"));
    LblCLE->setGeometry(runtime::to_pixels({1440, 2880, 975, 375}));
    LblCLE->setFrameStyle(QFrame::Box | QFrame::Plain);
    LblCLE->setLineWidth(1);
    LblCLE->setAlignment(Qt::AlignCenter);
    LblCLE->setAutoFillBackground(true);
    QPalette palette = LblCLE->palette();
    palette.setColor(QPalette::Window, key_colour);
    // Black stays readable on the fixed green, under dark themes too.
    palette.setColor(QPalette::WindowText, Qt::black);
    LblCLE->setPalette(palette);
    key_copies_ = new KeyCopies(*LblCLE, [this] { return number_with_its_key(field_texts()); });
    QFont font(QStringLiteral("Comic Sans MS"), 12, QFont::Bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    LblCLE->setFont(font);
}

void Form1::build_number_reading() {
    number_reading_ = new NumberReadingBox(this);
    number_reading_->setGeometry(runtime::to_pixels(number_reading_place));
    build_place_search();
    for (runtime::DropDownField* field : {TextSEX, TextAN, TextMOI, TextDEP, TextCOM, TextRANG}) {
        connect(field, &QComboBox::editTextChanged, this, &Form1::fields_changed);
    }
    show_number_reading();
}

// « Lieu de naissance » above the reading: the name typed is compared with the number's place,
// and a place chosen among those proposed fills the department and commune fields. Ctrl+F
// reaches it from anywhere in the window.
void Form1::build_place_search() {
    place_search_ = new PlaceSearchField(
        [this] { return birth_days(read_number(field_texts(), this_month())); }, this);
    place_search_->setGeometry(runtime::to_pixels(place_search_place));
    connect(place_search_, &QLineEdit::textChanged, this, &Form1::show_number_reading);
    connect(place_search_, &PlaceSearchField::place_chosen, this, &Form1::put_place);
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        place_search_->setFocus(Qt::ShortcutFocusReason);
        place_search_->selectAll();
    });
}

void Form1::put_place(std::uint32_t key) {
    const QString code = QString::fromStdString(places::commune_code(key));
    TextDEP->setEditText(code.left(2));
    TextCOM->setEditText(code.mid(2));
}

// A list pasted into any field, or dropped on it, goes to the list window instead; a button
// opens that window, and a file dropped on the window is checked there.
void Form1::build_list_opening() {
    check_a_list_ = new QPushButton(QStringLiteral("Vérifier une &liste…"), this);
    check_a_list_->setObjectName(QStringLiteral("CheckAList"));
    check_a_list_->setToolTip(
        QStringLiteral("Vérifier d'un coup une colonne de numéros collée ou un fichier (Alt+L)"));
    // Reached by its key, outside the window's Tab order, which stays as it was drawn.
    check_a_list_->setFocusPolicy(Qt::NoFocus);
    check_a_list_->setGeometry(runtime::to_pixels(list_opening_place));
    connect(check_a_list_, &QPushButton::clicked, this, [this] { show_list_window(); });
    for (runtime::DropDownField* field : {TextSEX, TextAN, TextMOI, TextDEP, TextCOM, TextRANG}) {
        field->offer_lines_to([this](const QString& text) {
            if (!ListWindow::holds_a_list(text)) {
                return false;
            }
            show_list_window().check_text(text.toUtf8());
            return true;
        });
    }
    setAcceptDrops(true);
}

ListWindow& Form1::show_list_window() {
    if (list_window_ == nullptr) {
        list_window_ = new ListWindow(this);
    }
    list_window_->show();
    list_window_->raise();
    list_window_->activateWindow();
    return *list_window_;
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile() &&
        ListWindow::reads(urls.front().toLocalFile())) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    show_list_window().check_file(event->mimeData()->urls().front().toLocalFile());
}

KeyInputs Form1::field_texts() const {
    return {runtime::text_of(*TextSEX), runtime::text_of(*TextAN),  runtime::text_of(*TextMOI),
            runtime::text_of(*TextDEP), runtime::text_of(*TextCOM), runtime::text_of(*TextRANG)};
}

void Form1::fields_changed() {
    show_number_reading();
    key_copies_->fields_changed();
}

void Form1::show_number_reading() {
    const KeyInputs fields = field_texts();
    const NumberReading reading = read_number(fields, this_month());
    number_reading_->show_reading(reading, calculated_fields_ && *calculated_fields_ != fields,
                                  compare_place(reading, place_search_->text().toStdString()));
}

// The key display keeps the key of the last "Calculer" whatever the fields hold since: the
// reading says when that is the key of another number than theirs.
void Form1::remember_calculated_fields() {
    calculated_fields_ = field_texts();
    show_number_reading();
}

void Form1::start() {
    if (!runtime::run_untrapped([this] { Form_Load(); })) {
        return;
    }
    TextSEX->setFocus();
    runtime::show_centred(*this);
    // Window managers give a new window the keyboard; without one, ask for it, so that the sex
    // field really has the focus and its text is selected for typing over.
    activateWindow();
}

void Form1::Form_Load() {
    runtime::AddItems(*TextAN, operations_.make_code_list(0, 99, 2));
    runtime::AddItems(*TextDEP, operations_.make_code_list(1, 99, 2));
    runtime::AddItems(*TextCOM, operations_.make_code_list(0, 999, 3));
    runtime::AddItems(*TextRANG, operations_.make_code_list(0, 999, 3));
}

void Form1::Command1_Click() {
    runtime::End(0);
}

void Form1::Command2_Click() {
    runtime::ResumeNext statement;
    KeyInputs inputs;
    statement([&] { inputs = field_texts(); });
    statement([&] {
        runtime::set_caption(*LblCLE,
                             QString::fromStdString(compute_key(inputs, decimal_separator_)));
    });
}

void Form1::Command3_Click() {
    runtime::run_untrapped([this] {
        runtime::MsgBox(operations_.about_message(), runtime::MsgBoxStyle::Information, "A propos");
    });
}

} // namespace vardelis
