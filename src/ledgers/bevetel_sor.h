#pragma once

#include "ledgers/ledger_row.h"

#include <optional>

namespace kalmira {

class Database;

// One row of the income ledger as the row dialog edits it.
struct BevetelSor : LedgerSor
{
    int bevetel = 0;
    Osszeg novelo;
    Osszeg csokkento;
    Osszeg adoalap;
    Osszeg adoeloleg;
    QString fizetve;
};

// A new row: the next number, today, zero amounts, open and received.
BevetelSor UjBevetel(Database &db);
std::optional<BevetelSor> LoadBevetel(Database &db, int bevetel);

// Period and quarter codes from the date, tax base and EVA advance at the rate.
void DeriveBevetel(BevetelSor &sor, double evaszorzo);

// A row may not be posted into a closed quarter, nor moved out of one: the
// quarter of the stored date (an existing row) and that of the picked date
// are both checked.
bool BevetelLezartNegyedevben(Database &db, const std::optional<QDate> &storedDatum,
                              QDate pickedDatum);

enum class PostResult
{
    Posted,
    QuarterClosed
};

// What the dialog's OK does: refuses a closed quarter, else takes the picked
// date, derives the codes and the tax and stores the row. A new row is
// inserted; an existing one (storedDatum set) is updated by its number.
// Storage failures are thrown.
PostResult PostBevetel(Database &db, BevetelSor &sor, const std::optional<QDate> &storedDatum,
                       QDate pickedDatum, double evaszorzo);

} // namespace kalmira
