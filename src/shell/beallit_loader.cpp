#include "shell/beallit_loader.h"

#include "foundation/beall.h"
#include "foundation/database.h"
#include "foundation/seged.h"

namespace kalmira {

void LoadBeallit(Database &db)
{
    QSqlQuery row = db.exec(QStringLiteral(
        "SELECT beallit.vanbelep, beallit.evaszorzo, beallit.eva, adotip.adotip_nev AS eva_nev "
        "FROM beallit LEFT JOIN adotip ON adotip.adotip = beallit.eva "
        "ORDER BY beallit.beallit LIMIT 1"));
    if (!row.next())
        throw Error(QStringLiteral("A beállítások sora hiányzik az adatbázisból."));
    Beall.vanbelep = row.value(0).toString() == QLatin1String("I");
    Beall.evaszorzo = VarToSzam(row.value(1), 0);
    Beall.eva = VarToEgesz(row.value(2), 0);
    Beall.eva_nev = VarToSzoveg(row.value(3), QString());
}

} // namespace kalmira
