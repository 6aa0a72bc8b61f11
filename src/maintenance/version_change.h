#pragma once

#include <QList>
#include <QString>

namespace kalmira {

class Database;
class MaintenanceProgress;

// The statements that bring an older data folder up to the present layout,
// numbered 1 to 5: create kiadas, add bevetel.megjegyzes, add
// bevetel.fizetve, mark every existing income as received, add
// tmp_nyereseg.kiadas.
QString versionStatement(int step);

struct FailedStep
{
    int step;
    QString text; // the storage's
};

struct VersionChangeResult
{
    QList<int> executed; // steps whose statement ran, failed ones included
    QList<FailedStep> failed;
};

// Finds what the layout lacks (table and field names compared in upper case)
// and runs the statements for it, each in a savepoint of the caller's
// transaction: a failed step is recorded and the next one runs. Statement 4
// follows statement 3 whatever its outcome. Throws Error when bevetel or
// tmp_nyereseg cannot be read.
VersionChangeResult changeVersion(Database &db, MaintenanceProgress &progress);

// "Verzióváltás kész", followed by the steps that failed, if any.
QString versionChangeReport(const VersionChangeResult &result);

} // namespace kalmira
