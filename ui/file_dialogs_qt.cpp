// The file dialogs through Qt, which shows the desktop's own where it has one.

#include "ui/file_dialogs.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace vardelis {
namespace {

QString documents() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString list_to_open(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Ouvrir une liste de numéros"), documents(),
        QStringLiteral("Listes (*.csv *.txt);;Tous les fichiers (*)"));
}

QString list_to_save(QWidget* parent, const QString& name) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer la liste vérifiée"),
                                        documents() + QLatin1Char('/') + name,
                                        QStringLiteral("Fichiers CSV (*.csv)"));
}

} // namespace vardelis
