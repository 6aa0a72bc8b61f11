#pragma once

#include <QString>
#include <QVariant>

namespace kalmira {

class Database;

// Running numbers of the ledgers. A new income or expense row gets the highest
// number of its table + 1, a new obligation row the highest number of its type
// + 1; an empty table or type starts at 1.
int KovetkezoBevetel(Database &db);
int KovetkezoKiadas(Database &db);
// table is "ado" (type field adotip) or "jarulek" (type field jarulektip).
int KovetkezoSorszam(Database &db, const QString &table, int type);

// A ledger table whose rows carry consecutive running numbers, optionally
// counted per type (scopeField = scopeValue), optionally with a closed flag
// that protects a row from deletion.
struct NumberedTable
{
    QString table;
    QString numberField;
    QString scopeField; // empty: the whole table is one sequence
    QVariant scopeValue;
    QString closedField; // empty: rows are never closed

    static NumberedTable bevetel();
    static NumberedTable kiadas();
    static NumberedTable ado(int adotip);
    static NumberedTable jarulek(int jarulektip);
};

// True when the row of that number exists and its closed flag is "I".
bool SorLezarva(Database &db, const NumberedTable &target, int number);

enum class DeleteOutcome
{
    Deleted,
    Closed,
    Missing
};

// Deletes the row of that number and moves every later row of the sequence
// down by one, in number order, whatever a window shows; all in one
// transaction. A closed row is left alone (Closed); a number that no longer
// exists changes nothing (Missing).
DeleteOutcome TorolEsSorszamoz(Database &db, const NumberedTable &target, int number);

} // namespace kalmira
