#include "ledgers/entry_rules.h"

#include "foundation/database.h"

#include <QSqlQuery>

#include <cmath>

namespace kalmira {

double Adoalap(Osszeg osszeg, Osszeg novelo, Osszeg csokkento)
{
    return osszeg.value_or(0) + novelo.value_or(0) - csokkento.value_or(0);
}

double Adoeloleg(double adoalap, double evaszorzo)
{
    return adoalap * evaszorzo / 100;
}

bool ReadOsszeg(const QString &text, Osszeg &value)
{
    QString plain;
    for (const QChar c : text)
        if (!c.isSpace())
            plain += c == QLatin1Char(',') ? QLatin1Char('.') : c;
    if (plain.isEmpty()) {
        value.reset();
        return true;
    }
    bool ok = false;
    const double number = plain.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    value = number;
    return true;
}

QStringList LeirasLista(Database &db, const QString &table)
{
    QSqlQuery query = db.exec(
        QStringLiteral("SELECT DISTINCT leiras FROM %1 ORDER BY 1 COLLATE HU_CI, 1;").arg(table));
    QStringList list;
    while (query.next()) {
        const QString leiras = query.value(0).toString();
        if (!leiras.trimmed().isEmpty())
            list << leiras;
    }
    return list;
}

} // namespace kalmira
