#include "ledgers/kiadas_sor.h"

#include "foundation/clock.h"
#include "ledgers/numbering.h"

namespace kalmira {

KiadasSor UjKiadas(Database &db)
{
    KiadasSor sor;
    sor.kiadas = KovetkezoKiadas(db);
    sor.datum = Clock::today();
    sor.osszeg = 0.0;
    sor.lezarva = QStringLiteral("N");
    return sor;
}

std::optional<KiadasSor> LoadKiadas(Database &db, int kiadas)
{
    const std::optional<QVariantMap> values =
        LoadLedgerRow(db, QStringLiteral("kiadas"), kiadas, {});
    if (!values)
        return std::nullopt;
    KiadasSor sor;
    readLedgerValues(sor, *values);
    sor.kiadas = values->value(QStringLiteral("kiadas")).toInt();
    return sor;
}

void PostKiadas(Database &db, KiadasSor &sor, bool uj, QDate pickedDatum)
{
    KiadasSor posted = sor;
    posted.datum = pickedDatum;
    DeriveCodes(posted);
    QVariantMap values = ledgerValues(posted);
    values.insert(QStringLiteral("kiadas"), posted.kiadas);
    StoreLedgerRow(db, QStringLiteral("kiadas"), values, uj);
    sor = posted;
}

} // namespace kalmira
