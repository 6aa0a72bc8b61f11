#include "ledgers/bevetel_sor.h"

#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/database.h"
#include "ledgers/numbering.h"
#include "ledgers/quarters.h"

#include <QSqlQuery>

namespace kalmira {
namespace {

QVariant nullable(const Osszeg &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

Osszeg amountOf(const QVariant &value)
{
    return value.isNull() ? Osszeg() : Osszeg(value.toDouble());
}

QVariantMap boundValues(const BevetelSor &sor)
{
    return {
        {QStringLiteral("bevetel"), sor.bevetel},
        {QStringLiteral("idoszak"), sor.idoszak},
        {QStringLiteral("negyedev"), sor.negyedev},
        {QStringLiteral("datum"), sor.datum.toString(Qt::ISODate)},
        {QStringLiteral("bizonylat"), sor.bizonylat},
        {QStringLiteral("leiras"), sor.leiras},
        {QStringLiteral("osszeg"), nullable(sor.osszeg)},
        {QStringLiteral("novelo"), nullable(sor.novelo)},
        {QStringLiteral("csokkento"), nullable(sor.csokkento)},
        {QStringLiteral("adoalap"), nullable(sor.adoalap)},
        {QStringLiteral("adoeloleg"), nullable(sor.adoeloleg)},
        {QStringLiteral("lezarva"), sor.lezarva},
        {QStringLiteral("megjegyzes"), sor.megjegyzes},
        {QStringLiteral("fizetve"), sor.fizetve},
    };
}

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
    QSqlQuery query =
        db.exec(QStringLiteral(
                    "SELECT bevetel, idoszak, negyedev, datum, bizonylat, leiras, osszeg, novelo, "
                    "csokkento, adoalap, adoeloleg, lezarva, megjegyzes, fizetve "
                    "FROM bevetel WHERE bevetel=:pbevetel"),
                {{QStringLiteral("pbevetel"), bevetel}});
    if (!query.next())
        return std::nullopt;
    BevetelSor sor;
    sor.bevetel = query.value(0).toInt();
    sor.idoszak = query.value(1).toString();
    sor.negyedev = query.value(2).toString();
    sor.datum = QDate::fromString(query.value(3).toString(), Qt::ISODate);
    sor.bizonylat = query.value(4).toString();
    sor.leiras = query.value(5).toString();
    sor.osszeg = amountOf(query.value(6));
    sor.novelo = amountOf(query.value(7));
    sor.csokkento = amountOf(query.value(8));
    sor.adoalap = amountOf(query.value(9));
    sor.adoeloleg = amountOf(query.value(10));
    sor.lezarva = query.value(11).toString();
    sor.megjegyzes = query.value(12).toString();
    sor.fizetve = query.value(13).toString();
    return sor;
}

void DeriveBevetel(BevetelSor &sor, double evaszorzo)
{
    sor.idoszak = idoszakOf(sor.datum);
    sor.negyedev = negyedevOfIdoszak(sor.idoszak);
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
    if (!storedDatum) {
        db.exec(QStringLiteral(
                    "INSERT INTO bevetel (bevetel, idoszak, negyedev, datum, bizonylat, leiras, "
                    "osszeg, novelo, csokkento, adoalap, adoeloleg, lezarva, megjegyzes, fizetve) "
                    "VALUES (:bevetel, :idoszak, :negyedev, :datum, :bizonylat, :leiras, :osszeg, "
                    ":novelo, :csokkento, :adoalap, :adoeloleg, :lezarva, :megjegyzes, :fizetve)"),
                boundValues(posted));
    } else {
        QVariantMap values = boundValues(posted);
        values.remove(QStringLiteral("lezarva")); // only quarter closing sets it
        QSqlQuery update = db.exec(
            QStringLiteral("UPDATE bevetel SET idoszak=:idoszak, negyedev=:negyedev, datum=:datum, "
                           "bizonylat=:bizonylat, leiras=:leiras, osszeg=:osszeg, novelo=:novelo, "
                           "csokkento=:csokkento, adoalap=:adoalap, adoeloleg=:adoeloleg, "
                           "megjegyzes=:megjegyzes, fizetve=:fizetve WHERE bevetel=:bevetel"),
            values);
        if (update.numRowsAffected() < 1)
            throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(sor.bevetel));
    }
    sor = posted;
    return PostResult::Posted;
}

} // namespace kalmira
