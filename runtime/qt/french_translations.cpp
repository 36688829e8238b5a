#include "runtime/qt/french_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vardelis::runtime {

bool install_french_translations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // The system's copy where it has one (Linux), else the program's own (Windows).
    for (const QString& folder :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

} // namespace vardelis::runtime
