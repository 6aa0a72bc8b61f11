#include "ledgers/kiadas_sor.h"

#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/database.h"
#include "ledgers/numbering.h"

#include <QSqlQuery>

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
    QSqlQuery query = db.exec(QStringLiteral("SELECT kiadas, idoszak, negyedev, datum, bizonylat, "
                                             "leiras, osszeg, lezarva, megjegyzes "
                                             "FROM kiadas WHERE kiadas=:pkiadas"),
                              {{QStringLiteral("pkiadas"), kiadas}});
    if (!query.next())
        return std::nullopt;
    KiadasSor sor;
    sor.kiadas = query.value(0).toInt();
    sor.idoszak = query.value(1).toString();
    sor.negyedev = query.value(2).toString();
    sor.datum = QDate::fromString(query.value(3).toString(), Qt::ISODate);
    sor.bizonylat = query.value(4).toString();
    sor.leiras = query.value(5).toString();
    sor.osszeg = query.value(6).isNull() ? Osszeg() : Osszeg(query.value(6).toDouble());
    sor.lezarva = query.value(7).toString();
    sor.megjegyzes = query.value(8).toString();
    return sor;
}

void PostKiadas(Database &db, KiadasSor &sor, bool uj, QDate pickedDatum)
{
    KiadasSor posted = sor;
    posted.datum = pickedDatum;
    posted.idoszak = idoszakOf(pickedDatum);
    posted.negyedev = negyedevOfIdoszak(posted.idoszak);
    QVariantMap values{
        {QStringLiteral("kiadas"), posted.kiadas},
        {QStringLiteral("idoszak"), posted.idoszak},
        {QStringLiteral("negyedev"), posted.negyedev},
        {QStringLiteral("datum"), pickedDatum.toString(Qt::ISODate)},
        {QStringLiteral("bizonylat"), posted.bizonylat},
        {QStringLiteral("leiras"), posted.leiras},
        {QStringLiteral("osszeg"),
         posted.osszeg ? QVariant(*posted.osszeg) : QVariant(QMetaType::fromType<double>())},
        {QStringLiteral("megjegyzes"), posted.megjegyzes},
    };
    if (uj) {
        values.insert(QStringLiteral("lezarva"), posted.lezarva);
        db.exec(QStringLiteral(
                    "INSERT INTO kiadas (kiadas, idoszak, negyedev, datum, bizonylat, "
                    "leiras, osszeg, lezarva, megjegyzes) VALUES (:kiadas, :idoszak, "
                    ":negyedev, :datum, :bizonylat, :leiras, :osszeg, :lezarva, :megjegyzes)"),
                values);
    } else {
        QSqlQuery update = db.exec(
            QStringLiteral("UPDATE kiadas SET idoszak=:idoszak, negyedev=:negyedev, datum=:datum, "
                           "bizonylat=:bizonylat, leiras=:leiras, osszeg=:osszeg, "
                           "megjegyzes=:megjegyzes WHERE kiadas=:kiadas"),
            values);
        if (update.numRowsAffected() < 1)
            throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(sor.kiadas));
    }
    sor = posted;
}

} // namespace kalmira
