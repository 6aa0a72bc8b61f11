#pragma once

#include "foundation/schema.h"

#include <QString>
#include <QVariant>

namespace kalmira {

// A number in one of the books' display formats: "### ### ##0" groups digits
// by three with a space and shows no decimals, "### ### ##0.00" shows two,
// "00000" and "000" pad with zeros. Halves round away from zero.
QString FormatFloat(const QString &format, double value);

// A number as typed back into an edit: every digit it has, the locale's
// decimal comma and no grouping ("12750,5").
QString plainNumber(double value);

// The stored date 'yyyy-MM-dd' as the grids show it ("2006.05.31.").
QString displayDate(const QVariant &stored);
inline constexpr const char *DisplayDateFormat = "yyyy.MM.dd.";

// A stored value as a grid cell shows it; null is empty.
QString displayText(const schema::Field &field, const QVariant &value);

} // namespace kalmira
