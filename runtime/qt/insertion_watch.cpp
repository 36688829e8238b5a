#include "runtime/qt/insertion_watch.h"

#include <QLineEdit>

namespace vardelis::runtime {

InsertionWatch::InsertionWatch(QLineEdit* edit)
    : QObject(edit)
    , edit_(edit) {
    remember_the_edit_box();
    // The line edit tells of a user's edit before it tells its new text, selection and caret, so
    // what is remembered then is still the edit box as it was before.
    connect(edit, &QLineEdit::textEdited, this, &InsertionWatch::tell_what_went_in);
    connect(edit, &QLineEdit::textChanged, this, &InsertionWatch::remember_the_edit_box);
    connect(edit, &QLineEdit::selectionChanged, this, &InsertionWatch::remember_the_edit_box);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &InsertionWatch::remember_the_edit_box);
}

void InsertionWatch::remember_the_edit_box() {
    text_ = edit_->text();
    replaced_start_ = edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
    replaced_end_ = edit_->hasSelectedText() ? edit_->selectionEnd() : edit_->cursorPosition();
}

// An insertion puts its text in place of the part replaced and leaves the caret after it. An edit
// of another shape (a deletion, an undo) inserts nothing.
void InsertionWatch::tell_what_went_in() {
    const int length = edit_->cursorPosition() - replaced_start_;
    if (length < 2) {
        return;
    }
    const QString text = edit_->text();
    const QString put_in = text.mid(replaced_start_, length);
    if (text == text_.left(replaced_start_) + put_in + text_.mid(replaced_end_)) {
        emit inserted(put_in);
    }
}

} // namespace vardelis::runtime
