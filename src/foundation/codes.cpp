#include "foundation/codes.h"

namespace kalmira {

QString idoszakOf(QDate date)
{
    return date.toString(QStringLiteral("yyyyMM"));
}

QString negyedevOfIdoszak(const QString &idoszak)
{
    const int month = idoszak.mid(4, 2).toInt();
    return idoszak.left(4) + QString::number((month - 1) / 3 + 1);
}

QString negyedevOf(QDate date)
{
    return negyedevOfIdoszak(idoszakOf(date));
}

} // namespace kalmira
