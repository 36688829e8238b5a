// The file dialogs on Windows: the system's own (comdlg32), which the program's Qt, built without
// its file dialog, leaves to it.

#include "ui/file_dialogs.h"

#include <QDir>
#include <QStandardPaths>
#include <QWidget>
#include <array>
#include <string>
// With the common dialogs (commdlg.h), which need its types first.
#include <windows.h>

namespace vardelis {
namespace {

using namespace std::string_literals;

// Long enough for any path Windows' dialogs give.
constexpr std::size_t longest_path = 32768;

std::wstring wide(const QString& text) {
    return text.toStdWString();
}

// Runs the dialog on a structure prepared for it; the path chosen, in Qt's form.
template <typename Show>
QString chosen(QWidget* parent, const QString& title, const std::wstring& filter,
               const QString& name, DWORD flags, const wchar_t* extension, Show show) {
    std::wstring path = wide(QDir::toNativeSeparators(name));
    path.resize(longest_path, L'\0');
    const std::wstring caption = wide(title);
    const std::wstring folder = wide(QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner =
        parent != nullptr ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension;
    dialog.Flags = flags | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_LONGNAMES;
    if (show(&dialog) == 0) {
        return {};
    }
    return QDir::fromNativeSeparators(QString::fromWCharArray(path.c_str()));
}

} // namespace

QString list_to_open(QWidget* parent) {
    // Each filter is a name and its patterns, with a NUL after each, and one more at the end.
    const std::wstring filter = L"Listes (*.csv, *.txt)\0*.csv;*.txt\0Tous les fichiers\0*.*\0\0"s;
    return chosen(parent, QStringLiteral("Ouvrir une liste de numéros"), filter, {},
                  OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, nullptr, GetOpenFileNameW);
}

QString list_to_save(QWidget* parent, const QString& name) {
    const std::wstring filter = L"Fichiers CSV (*.csv)\0*.csv\0\0"s;
    return chosen(parent, QStringLiteral("Enregistrer la liste vérifiée"), filter, name,
                  OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, L"csv", GetSaveFileNameW);
}

} // namespace vardelis
