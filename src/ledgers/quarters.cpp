#include "ledgers/quarters.h"

#include "foundation/database.h"

namespace kalmira {

bool NegyedevLezarva(Database &db, const QString &negyedev)
{
    return db
        .scalar(QStringLiteral("SELECT 1 FROM zaras WHERE negyedev=:pnegyedev"),
                {{QStringLiteral("pnegyedev"), negyedev}})
        .isValid();
}

} // namespace kalmira
