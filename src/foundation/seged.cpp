#include "foundation/seged.h"

#include "foundation/error.h"

#include <QLocale>

#include <cmath>

namespace kalmira {
namespace {

[[noreturn]] void conversionFailed(const QVariant &value, const char *kind)
{
    throw Error(QStringLiteral("A(z) '%1' érték nem alakítható %2.")
                    .arg(value.toString(), QString::fromUtf8(kind)));
}

} // namespace

QString VarToSzoveg(const QVariant &value, const QString &defaultText)
{
    return value.isNull() ? defaultText : value.toString();
}

int VarToEgesz(const QVariant &value, int defaultValue)
{
    if (value.isNull())
        return defaultValue;
    if (value.typeId() == QMetaType::Double)
        return int(std::lrint(value.toDouble()));
    bool ok = false;
    const int result = value.toString().trimmed().toInt(&ok);
    if (!ok)
        conversionFailed(value, "egész számmá");
    return result;
}

double VarToSzam(const QVariant &value, double defaultValue)
{
    if (value.isNull())
        return defaultValue;
    bool ok = false;
    const double result = value.typeId() == QMetaType::QString
                              ? QLocale().toDouble(value.toString().trimmed(), &ok)
                              : value.toDouble(&ok);
    if (!ok)
        conversionFailed(value, "számmá");
    return result;
}

QString SzokozTorles(const QString &text)
{
    QString result = text;
    return result.remove(QLatin1Char(' '));
}

QString SzamKarakterek(const QString &text)
{
    QString result;
    for (QChar c : text)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',')
            || c == QLatin1Char('-') || c == QLatin1Char('.'))
            result += c;
    return result;
}

double SzovegToSzam(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.isEmpty())
        return 0;
    digits = SzamKarakterek(digits);
    const QLocale locale;
    const QString decimal = locale.decimalPoint();
    if (decimal == QLatin1String("."))
        digits.replace(QLatin1Char(','), QLatin1Char('.'));
    else
        digits.replace(QLatin1Char('.'), decimal);
    bool ok = false;
    const double value = locale.toDouble(digits, &ok);
    return ok ? value : 0;
}

QString KarakterCsere(const QVariant &value, QChar from, QChar to)
{
    return value.isNull() ? QString() : value.toString().replace(from, to);
}

QString KarakterTorles(const QString &piece, const QString &text)
{
    if (piece.isEmpty())
        return text;
    QString result = text;
    for (qsizetype at = result.indexOf(piece); at >= 0; at = result.indexOf(piece))
        result.remove(at, 1);
    return result;
}

int KarakterSzam(QChar character, const QString &text)
{
    return int(text.count(character));
}

QString MezoKivesz(QChar separator, const QString &text, int n)
{
    const QStringList fields = text.split(separator);
    return n >= 1 && n <= fields.size() ? fields.at(n - 1) : QString();
}

QString SorokOsszefuz(const QString &text, const QString &separator)
{
    QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // a closing line break starts no further line
    QString result;
    for (const QString &line : lines)
        result += line + separator;
    return result;
}

QString FajlNevKeszit(const QString &text)
{
    static const QString unsafe = QStringLiteral(" !\"#%&'*+/:?@\\");
    QString result;
    for (QChar c : text) {
        if (unsafe.contains(c))
            result += QLatin1Char('-');
        else if (c.unicode() > 0x7F && c != QChar(0x20AC)) // the euro sign is 128 in the code page
            result += QLatin1Char('_');
        else
            result += c;
    }
    return result.toLower();
}

int Honap(QDate date)
{
    return date.month();
}

double EzresKerekites(double amount)
{
    const long long n = std::llrint(amount); // halves to the even neighbour
    if (n < 500)
        return 1000;
    const long long q = (n / 1000) * 1000;
    return double(n % 1000 >= 500 ? q + 1000 : q);
}

QString WithFullStop(const QString &text)
{
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}

} // namespace kalmira
