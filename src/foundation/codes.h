#pragma once

#include <QDate>
#include <QString>

namespace kalmira {

// Period code "yyyymm" of a date.
QString idoszakOf(QDate date);
// Quarter code: the year and the quarter digit 1 to 4, from a period code.
QString negyedevOfIdoszak(const QString &idoszak);
QString negyedevOf(QDate date);

} // namespace kalmira
