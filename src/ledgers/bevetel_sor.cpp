#include "ledgers/bevetel_sor.h"

#include "foundation/clock.h"
#include "foundation/codes.h"
#include "ledgers/numbering.h"
#include "ledgers/quarters.h"

namespace kalmira {
namespace {

const QString kTable = QStringLiteral("bevetel");

} // namespace

BevetelSor UjBevetel(Database &db)
{
    BevetelSor sor;
    sor.bevetel = KovetkezoBevetel(db);
    sor.datum = Clock::today();
    sor.osszeg = sor.novelo = sor.csokkento = sor.adoalap = sor.adoeloleg = 0.0;
    sor.lezarva = QStringLiteral("N");
    sor.fizetve = QStringLiteral("I");
    return sor;
}

std::optional<BevetelSor> LoadBevetel(Database &db, int bevetel)
{
    const std::optional<QVariantMap> values = LoadLedgerRow(
        db, kTable, bevetel,
        {QStringLiteral("novelo"), QStringLiteral("csokkento"), QStringLiteral("adoalap"),
         QStringLiteral("adoeloleg"), QStringLiteral("fizetve")});
    if (!values)
        return std::nullopt;
    BevetelSor sor;
    readLedgerValues(sor, *values);
    sor.bevetel = values->value(kTable).toInt();
    sor.novelo = amountOf(values->value(QStringLiteral("novelo")));
    sor.csokkento = amountOf(values->value(QStringLiteral("csokkento")));
    sor.adoalap = amountOf(values->value(QStringLiteral("adoalap")));
    sor.adoeloleg = amountOf(values->value(QStringLiteral("adoeloleg")));
    sor.fizetve = values->value(QStringLiteral("fizetve")).toString();
    return sor;
}

void DeriveBevetel(BevetelSor &sor, double evaszorzo)
{
    DeriveCodes(sor);
    const double alap = Adoalap(sor.osszeg, sor.novelo, sor.csokkento);
    sor.adoalap = alap;
    sor.adoeloleg = Adoeloleg(alap, evaszorzo);
}

bool BevetelLezartNegyedevben(Database &db, const std::optional<QDate> &storedDatum,
                              QDate pickedDatum)
{
    if (storedDatum && storedDatum->isValid() && NegyedevLezarva(db, negyedevOf(*storedDatum)))
        return true;
    return NegyedevLezarva(db, negyedevOf(pickedDatum));
}

PostResult PostBevetel(Database &db, BevetelSor &sor, const std::optional<QDate> &storedDatum,
                       QDate pickedDatum, double evaszorzo)
{
    if (BevetelLezartNegyedevben(db, storedDatum, pickedDatum))
        return PostResult::QuarterClosed;
    BevetelSor posted = sor;
    posted.datum = pickedDatum;
    DeriveBevetel(posted, evaszorzo);
    QVariantMap values = ledgerValues(posted);
    values.insert(kTable, posted.bevetel);
    values.insert(QStringLiteral("novelo"), amountValue(posted.novelo));
    values.insert(QStringLiteral("csokkento"), amountValue(posted.csokkento));
    values.insert(QStringLiteral("adoalap"), amountValue(posted.adoalap));
    values.insert(QStringLiteral("adoeloleg"), amountValue(posted.adoeloleg));
    values.insert(QStringLiteral("fizetve"), posted.fizetve);
    StoreLedgerRow(db, kTable, values, !storedDatum);
    sor = posted;
    return PostResult::Posted;
}

} // namespace kalmira
