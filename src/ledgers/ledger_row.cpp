#include "ledgers/ledger_row.h"

#include "foundation/codes.h"
#include "foundation/database.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace kalmira {
namespace {

const QStringList kSharedColumns{
    QStringLiteral("idoszak"),   QStringLiteral("negyedev"),   QStringLiteral("datum"),
    QStringLiteral("bizonylat"), QStringLiteral("leiras"),     QStringLiteral("osszeg"),
    QStringLiteral("lezarva"),   QStringLiteral("megjegyzes"),
};

} // namespace

void DeriveCodes(LedgerSor &sor)
{
    sor.idoszak = idoszakOf(sor.datum);
    sor.negyedev = negyedevOfIdoszak(sor.idoszak);
}

Osszeg amountOf(const QVariant &value)
{
    return value.isNull() ? Osszeg() : Osszeg(value.toDouble());
}

QVariant amountValue(const Osszeg &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

QVariantMap ledgerValues(const LedgerSor &sor)
{
    return {
        {QStringLiteral("idoszak"), sor.idoszak},
        {QStringLiteral("negyedev"), sor.negyedev},
        {QStringLiteral("datum"), sor.datum.toString(Qt::ISODate)},
        {QStringLiteral("bizonylat"), sor.bizonylat},
        {QStringLiteral("leiras"), sor.leiras},
        {QStringLiteral("osszeg"), amountValue(sor.osszeg)},
        {QStringLiteral("lezarva"), sor.lezarva},
        {QStringLiteral("megjegyzes"), sor.megjegyzes},
    };
}

void readLedgerValues(LedgerSor &sor, const QVariantMap &values)
{
    sor.idoszak = values.value(QStringLiteral("idoszak")).toString();
    sor.negyedev = values.value(QStringLiteral("negyedev")).toString();
    sor.datum = QDate::fromString(values.value(QStringLiteral("datum")).toString(), Qt::ISODate);
    sor.bizonylat = values.value(QStringLiteral("bizonylat")).toString();
    sor.leiras = values.value(QStringLiteral("leiras")).toString();
    sor.osszeg = amountOf(values.value(QStringLiteral("osszeg")));
    sor.lezarva = values.value(QStringLiteral("lezarva")).toString();
    sor.megjegyzes = values.value(QStringLiteral("megjegyzes")).toString();
}

std::optional<QVariantMap> LoadLedgerRow(Database &db, const QString &table, int number,
                                         const QStringList &extraColumns)
{
    const QStringList columns = QStringList{table} + kSharedColumns + extraColumns;
    QSqlQuery query = db.exec(QStringLiteral("SELECT %1 FROM %2 WHERE %2=:pnumber")
                                  .arg(columns.join(QStringLiteral(", ")), table),
                              {{QStringLiteral("pnumber"), number}});
    if (!query.next())
        return std::nullopt;
    QVariantMap values;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        values.insert(record.fieldName(i), query.value(i));
    return values;
}

void StoreLedgerRow(Database &db, const QString &table, const QVariantMap &values, bool uj)
{
    if (uj) {
        const QStringList columns = values.keys();
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (:%3)")
                    .arg(table, columns.join(QStringLiteral(", ")),
                         columns.join(QStringLiteral(", :"))),
                values);
        return;
    }
    QStringList assignments;
    QVariantMap bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() == QLatin1String("lezarva"))
            continue;
        bound.insert(it.key(), it.value());
        if (it.key() != table)
            assignments << QStringLiteral("%1=:%1").arg(it.key());
    }
    QSqlQuery update = db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %1=:%1")
                                   .arg(table, assignments.join(QStringLiteral(", "))),
                               bound);
    if (update.numRowsAffected() < 1)
        throw Error(
            QStringLiteral("A(z) %1. sort időközben törölték.").arg(values.value(table).toInt()));
}

} // namespace kalmira
