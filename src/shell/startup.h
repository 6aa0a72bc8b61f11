#pragma once

#include <QDate>

namespace kalmira {

class Database;

// The storage steps of the main program's start, in order: open the data
// folder's database (a new installation gets a new one), mark old income rows
// as received, and load the firm settings. Throws Error with the storage's
// text; the caller shows it and goes on without rights.
void openBooks(Database &db);

// The statement every start runs on the income ledger.
inline constexpr const char *FizetveFixup = "UPDATE bevetel SET fizetve='I' WHERE fizetve IS NULL;";

// The archive question at close is due once the last archive is 5 or more
// whole days old.
bool archiveReminderDue(QDate today, QDate lastArchive);

} // namespace kalmira
