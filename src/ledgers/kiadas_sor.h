#pragma once

#include "ledgers/ledger_row.h"

#include <optional>

namespace kalmira {

class Database;

// One row of the expense ledger as the row dialog edits it.
struct KiadasSor : LedgerSor
{
    int kiadas = 0;
};

// A new row: the next number, today, a zero amount, open.
KiadasSor UjKiadas(Database &db);
std::optional<KiadasSor> LoadKiadas(Database &db, int kiadas);

// Takes the picked date, derives the period and quarter codes and stores the
// row: inserted when new, else updated by its number. Expenses know no closed
// quarter. Storage failures are thrown.
void PostKiadas(Database &db, KiadasSor &sor, bool uj, QDate pickedDatum);

} // namespace kalmira
