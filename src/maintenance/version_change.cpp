#include "maintenance/version_change.h"

#include "foundation/database.h"
#include "maintenance/maintenance_progress.h"
#include "maintenance/write_lock.h"

#include <QSqlRecord>

namespace kalmira {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

const char *const kStepNames[] = {
    "a kiadas tábla létrehozása",
    "a megjegyzes mező felvétele a bevetel táblába",
    "a fizetve mező felvétele a bevetel táblába",
    "a bevételek fizetve jelzőjének kitöltése",
    "a kiadas mező felvétele a tmp_nyereseg táblába",
};

QStringList upperCased(QStringList names)
{
    for (QString &name : names)
        name = name.toUpper();
    return names;
}

// The table's field names as stored; a missing table throws the storage's error.
QStringList fieldNamesOf(Database &db, const QString &table)
{
    const QSqlRecord record =
        db.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table)).record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

} // namespace

QString versionStatement(int step)
{
    switch (step) {
    case 1:
        return QStringList{
            QStringLiteral("CREATE TABLE kiadas("),   QStringLiteral(" kiadas INT,"),
            QStringLiteral(" idoszak CHAR(6),"),      QStringLiteral(" negyedev CHAR(5),"),
            QStringLiteral(" datum DATE,"),           QStringLiteral(" bizonylat CHAR(25),"),
            QStringLiteral(" leiras CHAR(50),"),      QStringLiteral(" osszeg FLOAT,"),
            QStringLiteral(" lezarva CHAR(1),"),      QStringLiteral(" megjegyzes CHAR(50),"),
            QStringLiteral("PRIMARY KEY (kiadas));"),
        }
            .join(kCrLf);
    case 2:
        return QStringLiteral("ALTER TABLE bevetel ADD megjegyzes CHAR(50);");
    case 3:
        return QStringLiteral("ALTER TABLE bevetel ADD fizetve CHAR(1);");
    case 4:
        return QStringLiteral("UPDATE bevetel SET fizetve='I';");
    case 5:
        return QStringLiteral("ALTER TABLE tmp_nyereseg ADD kiadas FLOAT;");
    }
    return {};
}

VersionChangeResult changeVersion(Database &db, MaintenanceProgress &progress)
{
    VersionChangeResult result;
    const auto run = [&](int step) {
        result.executed << step;
        if (const auto failure = runInSavepoint(db, [&] { db.exec(versionStatement(step)); }))
            result.failed << FailedStep{step, *failure};
    };

    progress.setMaximum(5);
    progress.setStatus(QStringLiteral("Táblák létrehozása"));
    const QStringList tables = upperCased(db.tableNames());
    progress.stepIt();
    if (!tables.contains(QStringLiteral("KIADAS")))
        run(1);

    progress.setStatus(QStringLiteral("Mezők ellenőrzése"));
    const QStringList income = upperCased(fieldNamesOf(db, QStringLiteral("bevetel")));
    progress.stepIt();
    if (!income.contains(QStringLiteral("MEGJEGYZES")))
        run(2);
    progress.stepIt();
    if (!income.contains(QStringLiteral("FIZETVE"))) {
        // Income booked before the flag existed had been received.
        run(3);
        run(4);
    }

    const QStringList profit = upperCased(fieldNamesOf(db, QStringLiteral("tmp_nyereseg")));
    progress.stepIt();
    if (!profit.contains(QStringLiteral("KIADAS")))
        run(5);
    return result;
}

QString versionChangeReport(const VersionChangeResult &result)
{
    QString report = QStringLiteral("Verzióváltás kész");
    if (result.failed.isEmpty())
        return report;
    report += kCrLf + kCrLf + QStringLiteral("A következő lépések nem sikerültek:");
    for (const FailedStep &failed : result.failed)
        report += kCrLf + QStringLiteral("%1. %2: %3")
                              .arg(failed.step)
                              .arg(QString::fromUtf8(kStepNames[failed.step - 1]), failed.text);
    return report;
}

} // namespace kalmira
