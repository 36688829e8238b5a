#include "runtime/qt/decimal_separator.h"

#include <QLocale>

namespace vardelis::runtime {

std::string user_decimal_separator() {
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace vardelis::runtime
