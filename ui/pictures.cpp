#include "ui/pictures.h"

namespace vardelis {
namespace {

QString picture_name(Picture which) {
    switch (which) {
    case Picture::Sign:
        return QStringLiteral("sign");
    case Picture::Question:
        return QStringLiteral("question");
    case Picture::Door:
        return QStringLiteral("door");
    }
    return {};
}

} // namespace

QIcon picture(Picture which) {
    const QString path = QStringLiteral(":/pictures/") + picture_name(which);
    QIcon icon;
    icon.addFile(path + QStringLiteral("-32.png"), QSize(32, 32));
    icon.addFile(path + QStringLiteral("-64.png"), QSize(64, 64));
    return icon;
}

} // namespace vardelis
