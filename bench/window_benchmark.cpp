// Times the window from nothing to its first paint, beside a bare Qt window holding the same
// widgets without our code; the filling of the four generated lists, in one batch per list beside
// one addItem call per item; and what the window says of the number after a field changes, beside
// a bare field and label showing a text made from the change. Runs offscreen unless told
// otherwise.

#include "logic/logic.h"
#include "runtime/qt/forms.h"
#include "ui/form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>
#include <utility>

namespace {

// Waits, taking events, until the window has painted itself once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) { window.installEventFilter(this); }

    void wait() const {
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// The same widgets, in the same places, with none of our code.
std::unique_ptr<QWidget> bare_window() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(490, 326);
    auto* frame1 = new QFrame(window.get());
    frame1->setGeometry(8, 8, 257, 225);
    auto* frame2 = new QFrame(window.get());
    frame2->setGeometry(8, 240, 257, 81);
    for (int row = 0; row < 6; ++row) {
        auto* field = new QComboBox(frame1);
        field->setEditable(true);
        field->setGeometry(192, 24 + 24 * row, 49, 21);
        auto* label = new QLabel(QStringLiteral("Libellé du champ :"), frame1);
        label->setGeometry(8, 24 + 24 * row, 177, 17);
    }
    (new QLabel(QStringLiteral("Votre numéro clé :"), frame1))->setGeometry(16, 176, 209, 17);
    (new QLabel(QStringLiteral("00"), frame1))->setGeometry(96, 192, 65, 25);
    for (int column = 0; column < 3; ++column) {
        auto* button = new QToolButton(frame2);
        button->setText(QStringLiteral("Bouton"));
        button->setGeometry(8 + 80 * column, 16, 73, 57);
    }
    auto* place = new QLineEdit(window.get());
    place->setPlaceholderText(QStringLiteral("Lieu de naissance (Ctrl+F)"));
    place->setClearButtonEnabled(true);
    place->setGeometry(273, 8, 209, 21);
    auto* reading_box = new QGroupBox(QStringLiteral("Ce que dit le numéro"), window.get());
    reading_box->setGeometry(273, 33, 209, 256);
    auto* reading =
        new QLabel(QStringLiteral("Homme, né en janvier 2000 dans l'Ain."), reading_box);
    reading->setWordWrap(true);
    (new QVBoxLayout(reading_box))->addWidget(reading);
    (new QPushButton(QStringLiteral("Vérifier une liste…"), window.get()))
        ->setGeometry(273, 296, 209, 25);
    return window;
}

// Times a window from nothing to its first paint. Each window is measured as at a program's
// start, with the style's pixmap cache empty: a window built again in the same process would
// otherwise find its frames already drawn. Closing the window is not part of opening it.
template <typename Open> void time_to_first_paint(benchmark::State& state, Open open) {
    for (auto _ : state) {
        QPixmapCache::clear();
        std::unique_ptr<QWidget> window = open();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_BareWindowToFirstPaint(benchmark::State& state) {
    time_to_first_paint(state, [] {
        auto window = bare_window();
        FirstPaint paint(*window);
        window->show();
        paint.wait();
        return window;
    });
}

void BM_Form1ToFirstPaint(benchmark::State& state) {
    time_to_first_paint(state, [] {
        auto form = std::make_unique<vardelis::Form1>();
        FirstPaint paint(*form);
        form->start();
        paint.wait();
        return std::unique_ptr<QWidget>(std::move(form));
    });
}

std::vector<std::vector<std::string>> generated_lists() {
    return {vardelis::make_code_list(0, 99, 2), vardelis::make_code_list(1, 99, 2),
            vardelis::make_code_list(0, 999, 3), vardelis::make_code_list(0, 999, 3)};
}

// Four editable fields, with the plain string lists the window's fields hold, or with the item
// model a QComboBox makes by default.
std::unique_ptr<std::array<QComboBox, 4>> empty_fields(bool string_lists) {
    auto fields = std::make_unique<std::array<QComboBox, 4>>();
    for (QComboBox& field : *fields) {
        if (string_lists) {
            field.setModel(new QStringListModel(&field));
        }
        field.setEditable(true);
    }
    return fields;
}

// Times filling four empty fields with the generated lists; the fields are made and destroyed
// outside the timing.
template <typename Fill> void time_filling(benchmark::State& state, bool string_lists, Fill fill) {
    for (auto _ : state) {
        state.PauseTiming();
        auto fields = empty_fields(string_lists);
        state.ResumeTiming();
        const auto lists = generated_lists();
        for (std::size_t i = 0; i < fields->size(); ++i) {
            fill((*fields)[i], lists[i]);
        }
        state.PauseTiming();
        fields.reset();
        state.ResumeTiming();
    }
}

// The window's way: one batch per list, into a string list.
void BM_FillListsOneBatchEach(benchmark::State& state) {
    time_filling(state, true, vardelis::runtime::AddItems);
}

// Qt's plain way: one addItem call per item, into the default item model.
void BM_FillListsOneCallPerItem(benchmark::State& state) {
    time_filling(state, false, [](QComboBox& field, const std::vector<std::string>& items) {
        for (const std::string& item : items) {
            field.addItem(QString::fromStdString(item));
        }
    });
}

// The parts that the changes go through: real places, in several departments and years.
const std::array<std::array<QString, 2>, 4> changes = {
    {{"TextDEP", "78"}, {"TextCOM", "646"}, {"TextDEP", "75"}, {"TextCOM", "044"}}};

// Times one change of a field's text, through to the window's reading of the number.
void BM_Form1ReadingAfterAChange(benchmark::State& state) {
    vardelis::Form1 form;
    form.start();
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& [field, text] = changes.at(next++ % changes.size());
        form.findChild<QComboBox*>(field)->setEditText(text);
    }
}

// The same change in a bare field, and a label given a text made from it, with none of our code.
void BM_BareFieldAndLabelChange(benchmark::State& state) {
    QComboBox field;
    field.setEditable(true);
    QLabel label;
    label.setWordWrap(true);
    QObject::connect(&field, &QComboBox::editTextChanged, &label, [&label](const QString& text) {
        label.setText(QStringLiteral("Homme, né en mai 1985 à Versailles (Yvelines), ") + text);
    });
    std::size_t next = 0;
    for (auto _ : state) {
        field.setEditText(changes.at(next++ % changes.size())[1]);
    }
}

} // namespace

BENCHMARK(BM_BareWindowToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Form1ToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillListsOneBatchEach)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillListsOneCallPerItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareFieldAndLabelChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Form1ReadingAfterAChange)->Unit(benchmark::kMicrosecond);
