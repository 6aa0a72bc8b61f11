#include "ledgers/display_format.h"

#include <QDate>
#include <QLocale>

#include <cmath>

namespace kalmira {

QString plainNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

QString FormatFloat(const QString &format, double value)
{
    const int dot = format.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(format.size() - dot - 1);
    const QString integerPart = dot < 0 ? format : format.left(dot);
    const int zeros = int(integerPart.count(QLatin1Char('0')));
    const bool grouped = integerPart.contains(QLatin1Char(' '));

    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(std::abs(value) * scale); // halves away from zero
    const QString digits =
        QString::number(rounded, 'f', 0).rightJustified(decimals + 1, QLatin1Char('0'));
    QString whole = digits.left(digits.size() - decimals).rightJustified(zeros, QLatin1Char('0'));
    if (grouped)
        for (int at = int(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(at, QLatin1Char(' '));
    QString text = whole;
    if (decimals > 0)
        text += QLatin1Char(',') + digits.right(decimals);
    return value < 0 && rounded != 0 ? QLatin1Char('-') + text : text;
}

QString displayDate(const QVariant &stored)
{
    const QDate date = QDate::fromString(stored.toString(), QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? date.toString(QString::fromLatin1(DisplayDateFormat))
                          : stored.toString();
}

QString displayText(const schema::Field &field, const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (field.kind) {
    case schema::Kind::Number:
        if (field.format.isEmpty())
            return plainNumber(value.toDouble());
        return FormatFloat(field.format, value.toDouble());
    case schema::Kind::LongInt:
    case schema::Kind::AutoInc:
        return field.format.isEmpty() ? value.toString()
                                      : FormatFloat(field.format, value.toDouble());
    case schema::Kind::Date:
        return displayDate(value);
    case schema::Kind::Alpha:
        break;
    }
    return value.toString();
}

} // namespace kalmira
