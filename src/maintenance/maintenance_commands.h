#pragma once

#include <QString>

namespace kalmira {

class Database;
class MaintenanceProgress;

// How long a command waits for another program's write to end before it
// calls the database in use.
inline constexpr int InUseWaitMs = 1500;

// The two commands of the maintenance window, on the data folder typed in
// its path box. Each one first makes sure the folder holds a database, that
// no running Kalmira marks the folder and no other program writes the
// database, and that the file is not damaged; otherwise it says so and
// touches nothing. Its work then runs in one transaction, and the connection
// is closed at the end. Expected failures are shown through the prompt;
// others throw Error and leave the database as it was.

// "Karbantartás": every table's indexes built again from the rows, one
// progress step per table, then the file compacted.
void Karbantartas(Database &db, const QString &pathText, MaintenanceProgress &progress);

// "Verzióváltás": an older layout brought up to date.
void Verziovaltas(Database &db, const QString &pathText, MaintenanceProgress &progress);

} // namespace kalmira
