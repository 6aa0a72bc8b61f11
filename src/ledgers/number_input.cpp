#include "ledgers/number_input.h"

#include "foundation/seged.h"

#include <QLocale>

namespace kalmira {

QString numberInputText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

std::optional<double> numberInputValue(const QString &text)
{
    QString compact;
    for (const QChar c : text)
        if (!c.isSpace())
            compact += c;
    bool ok = false;
    QLocale().toDouble(compact, &ok);
    if (!ok)
        return std::nullopt;
    return SzovegToSzam(compact);
}

} // namespace kalmira
