#include "ledgers/quarter_closing.h"

#include "foundation/codes.h"
#include "foundation/database.h"
#include "foundation/seged.h"
#include "ledgers/quarters.h"

namespace kalmira {

std::optional<Zaras> NegyedevZarasa(Database &db, const QString &negyedev, int eva,
                                    double evaszorzo, QDate today)
{
    const QVariantMap quarter{{QStringLiteral("pnegyedev"), negyedev}};
    Transaction transaction(db);
    if (NegyedevLezarva(db, negyedev))
        return std::nullopt;

    db.exec(QStringLiteral("UPDATE bevetel SET lezarva = 'I'\nWHERE negyedev=:pnegyedev;"),
            quarter);
    // Each row adds its own tax base, an empty increase or reduction counting
    // as 0 exactly as in the row's adoalap; a null must not drop a whole row.
    Zaras zaras;
    zaras.negyedev = negyedev;
    zaras.adoalap = VarToSzam(
        db.scalar(QStringLiteral("SELECT\n SUM(COALESCE(osszeg, 0) - COALESCE(csokkento, 0)"
                                 " + COALESCE(novelo, 0)) AS alap\nFROM bevetel\n"
                                 "WHERE negyedev = :pnegyedev;"),
                  quarter),
        0);
    zaras.fizetendo = evaszorzo / 100 * zaras.adoalap;
    zaras.sorszam =
        VarToEgesz(db.scalar(QStringLiteral("SELECT MAX(sorszam) AS ssz FROM ado WHERE adotip=") +
                             QString::number(eva) + QLatin1Char(';')),
                   0) +
        1;

    db.exec(QStringLiteral(
                "INSERT INTO ado (adotip, sorszam, dat_esedekes, idoszak, adoalap, mertek,"
                " csokkento, novelo, fizetendo, kifizetve, bevallva, ft_fizetve, ft_hatralek)"
                " VALUES (:ptip, :psor, :pdatum, :pidoszak, :palap, :pmertek, 0, 0, :pfiz,"
                " 'N', 'N', 0, 0)"),
            {{QStringLiteral("ptip"), eva},
             {QStringLiteral("psor"), zaras.sorszam},
             {QStringLiteral("pdatum"), today.toString(QStringLiteral("yyyy-MM-dd"))},
             {QStringLiteral("pidoszak"), idoszakOf(today)},
             {QStringLiteral("palap"), zaras.adoalap},
             {QStringLiteral("pmertek"), evaszorzo},
             {QStringLiteral("pfiz"), zaras.fizetendo}});
    db.exec(QStringLiteral("INSERT INTO zaras (negyedev) VALUES (:pnegyedev)"), quarter);
    transaction.commit();
    return zaras;
}

} // namespace kalmira
