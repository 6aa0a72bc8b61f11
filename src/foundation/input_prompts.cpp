#include "foundation/input_prompts.h"

#include "foundation/prompt.h"

#include <QStringList>

namespace kalmira {

bool InputStr(const QString &caption, const QString &promptText, QString &text, const QString &mask)
{
    const QVariant answer =
        prompt().ask({Ask::Str, caption, promptText, text, {{QStringLiteral("mask"), mask}}});
    if (!answer.isValid())
        return false;
    text = answer.toString();
    return true;
}

bool InputIdoszak(QString &tol, QString &ig)
{
    const QVariant answer = prompt().ask(
        {Ask::Idoszak, QStringLiteral("Időszak megadása"), {}, QStringList{tol, ig}, {}});
    const QStringList range = answer.toStringList();
    if (!answer.isValid() || range.size() != 2)
        return false;
    tol = range[0];
    ig = range[1];
    return true;
}

bool InputNegyedev(QString &negyedev)
{
    const QVariant answer = prompt().ask(
        {Ask::Negyedev, QStringLiteral("Negyedév megadás"), QStringLiteral("negyedév"), negyedev, {}});
    if (!answer.isValid())
        return false;
    negyedev = answer.toString();
    return true;
}

bool InputDatum(QDate &date, const QString &caption)
{
    const QString shown = caption.isEmpty() ? QStringLiteral("Dátum megadása") : caption;
    const QVariant answer = prompt().ask({Ask::Datum, shown, {}, date, {}});
    if (!answer.isValid())
        return false;
    date = answer.toDate();
    return true;
}

bool InputSzam(const QString &caption, const QString &promptText, double &value)
{
    const QVariant answer = prompt().ask({Ask::Szam, caption, promptText, value, {}});
    if (!answer.isValid())
        return false;
    value = answer.toDouble();
    return true;
}

} // namespace kalmira
