#include "ui/application.h"

#include "runtime/qt/french_translations.h"
#include "ui/pictures.h"
#include "vardelis/version.h"

#include <QApplication>

namespace vardelis {

void prepare_application(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Vardelis"));
    QApplication::setApplicationVersion(QString::fromUtf8(version.data(), version.size()));
    QApplication::setDesktopFileName(QStringLiteral("example.vardelis.Vardelis"));
    QApplication::setWindowIcon(picture(Picture::Sign));
    runtime::install_french_translations(application);
}

} // namespace vardelis
