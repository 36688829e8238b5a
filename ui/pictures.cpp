#include "ui/pictures.h"

#include <array>

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

QIcon load_picture(Picture which) {
    const QString path = QStringLiteral(":/pictures/") + picture_name(which);
    QIcon icon;
    icon.addFile(path + QStringLiteral("-32.png"), QSize(32, 32));
    icon.addFile(path + QStringLiteral("-64.png"), QSize(64, 64));
    return icon;
}

} // namespace

QIcon picture(Picture which) {
    // Each picture is decoded once; the sign serves as the program's icon, the window's and a
    // button's.
    static const std::array<QIcon, 3> pictures = {
        load_picture(Picture::Sign), load_picture(Picture::Question), load_picture(Picture::Door)};
    return pictures.at(static_cast<std::size_t>(which));
}

} // namespace vardelis
