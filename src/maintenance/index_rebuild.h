#pragma once

#include "foundation/schema.h"

#include <QList>
#include <QStringList>

namespace kalmira {

class Database;

// The tables the rebuild works through, one progress step each, in
// alphabetical order of their names.
QList<const schema::Table *> rebuildPlan();

// The indexes of a table other than those SQLite keeps for its key, by their
// stored names.
QStringList secondaryIndexNames(Database &db, const QString &table);

// Drops every secondary index of the table, rebuilds its key index from the
// rows and creates the schema's indexes afresh from the rows, with their
// names, fields and collations. Throws Error with the storage's text (a
// missing table gives "no such table"); run it in a savepoint, so that a
// failure leaves the table as it was.
void rebuildTableIndexes(Database &db, const schema::Table &table);

} // namespace kalmira
