#include "shell/startup.h"

#include "foundation/beall.h"
#include "foundation/database.h"
#include "shell/beallit_loader.h"

namespace kalmira {

void openBooks(Database &db)
{
    db.open(Beall.Utvonal, Database::Missing::Create);
    db.exec(QString::fromLatin1(FizetveFixup));
    LoadBeallit(db);
}

bool archiveReminderDue(QDate today, QDate lastArchive)
{
    return !lastArchive.isValid() || today.addDays(-5) >= lastArchive;
}

} // namespace kalmira
