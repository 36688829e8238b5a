#pragma once

#include "logic/logic.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace vardelis {

class KeyCopies;
class ListWindow;
class NumberReadingBox;
class PlaceSearchField;

namespace runtime {
class DropDownField;
}

// The program's one window: six drop-down fields for the parts of the number, the key display,
// the buttons "A propos", "Calculer" and "Quitter", and beside them what the number says.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // What the handlers take from the key logic. The tests put failing operations here.
    struct Operations {
        std::function<std::vector<std::string>(int first, int last, int width)> make_code_list;
        std::function<std::string()> about_message;
    };

    // The window with the key logic's own operations.
    explicit Form1(QWidget* parent = nullptr);
    explicit Form1(Operations operations, QWidget* parent = nullptr);

    // Loads the window and shows it centred on the screen with the focus in the sex field, as at
    // the program's start. A run-time error while loading ends the program.
    void start();

    // The list window, made when first asked for, shown and raised.
    ListWindow& show_list_window();

protected:
    // A .csv or .txt file dropped on the window is checked in the list window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void build_frames();
    void build_fields();
    void build_labels();
    void build_key_display();
    void build_buttons();
    void build_number_reading();
    void build_place_search();
    // A place chosen by name: its department and commune codes go into those fields.
    void put_place(std::uint32_t key);
    void build_list_opening();
    void set_window_look();
    // As soon as any field changes: what the six parts say, and what the key display copies; the
    // key display itself waits for "Calculer".
    void fields_changed();
    void show_number_reading();
    void remember_calculated_fields();
    // The texts of the six fields, in the order of the number.
    [[nodiscard]] KeyInputs field_texts() const;
    void take_whole_numbers_pasted();
    // A whole number put into any field fills the six fields with its parts, and a key pasted with
    // it that is not its own is told; any other text stays where it was put.
    void spread_whole_number(const QString& inserted);

    // Event handlers, named after their control and event.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    Operations operations_;
    // The user's decimal separator, read once when the window is made, for the key's fractions.
    std::string decimal_separator_;

    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    runtime::DropDownField* TextSEX = nullptr;
    runtime::DropDownField* TextAN = nullptr;
    runtime::DropDownField* TextMOI = nullptr;
    runtime::DropDownField* TextDEP = nullptr;
    runtime::DropDownField* TextCOM = nullptr;
    runtime::DropDownField* TextRANG = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* LblCLE = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    NumberReadingBox* number_reading_ = nullptr;
    PlaceSearchField* place_search_ = nullptr;
    KeyCopies* key_copies_ = nullptr;
    QPushButton* check_a_list_ = nullptr;
    ListWindow* list_window_ = nullptr;
    // The fields as they were at the last "Calculer", if any.
    std::optional<KeyInputs> calculated_fields_;
};

} // namespace vardelis
