#include "foundation/edit_mask.h"

#include <QList>

namespace kalmira {
namespace {

struct Slot
{
    QChar code;     // mask character; null for a literal
    QChar literal;
};

QList<Slot> slotsOf(const QString &pattern)
{
    QList<Slot> result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\\') && i + 1 < pattern.size())
            result.append({QChar(), pattern[++i]});
        else if (QStringLiteral("09#LlAaCc").contains(c))
            result.append({c, QChar()});
        else if (c != QLatin1Char('>') && c != QLatin1Char('<') && c != QLatin1Char('!'))
            result.append({QChar(), c});
    }
    return result;
}

QChar qtCode(QChar code)
{
    switch (code.toLatin1()) {
    case '0': return QLatin1Char('9');
    case '9': return QLatin1Char('0');
    case '#': return QLatin1Char('#');
    case 'L': return QLatin1Char('A');
    case 'l': return QLatin1Char('a');
    case 'A': return QLatin1Char('N');
    case 'a': return QLatin1Char('n');
    case 'C': return QLatin1Char('X');
    default: return QLatin1Char('x');
    }
}

} // namespace

EditMask EditMask::parse(const QString &mask)
{
    EditMask result;
    const QStringList parts = mask.split(QLatin1Char(';'));
    result.pattern = parts.value(0);
    if (parts.size() > 1)
        result.saveLiterals = parts[1].trimmed() != QLatin1String("0");
    if (parts.size() > 2 && !parts[2].isEmpty())
        result.blank = parts[2][0];
    return result;
}

QString EditMask::qtInputMask() const
{
    if (isEmpty())
        return {};
    static const QString qtSpecial = QStringLiteral("AaNnXx9D0d#HhBb><!\\[]{}");
    QString result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            result += QLatin1Char('\\');
            result += pattern[++i];
        } else if (QStringLiteral("09#LlAaCc").contains(c)) {
            result += qtCode(c);
        } else if (c == QLatin1Char('>') || c == QLatin1Char('<') || c == QLatin1Char('!')) {
            result += c;
        } else {
            if (qtSpecial.contains(c))
                result += QLatin1Char('\\');
            result += c;
        }
    }
    return result + QLatin1Char(';') + blank;
}

QString EditMask::value(const QString &displayText) const
{
    if (isEmpty() || saveLiterals)
        return displayText;
    const QList<Slot> layout = slotsOf(pattern);
    QString result;
    for (qsizetype i = 0; i < displayText.size() && i < layout.size(); ++i)
        if (!layout[i].code.isNull() && displayText[i] != blank)
            result += displayText[i];
    return result.trimmed();
}

QString EditMask::display(const QString &value) const
{
    if (isEmpty() || saveLiterals)
        return value;
    QString result;
    qsizetype next = 0;
    for (const Slot &slot : slotsOf(pattern)) {
        if (slot.code.isNull())
            result += slot.literal;
        else
            result += next < value.size() ? value[next++] : QChar(QLatin1Char(' '));
    }
    return result;
}

} // namespace kalmira
