#pragma once

#include "ledgers/entry_rules.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace kalmira {

class Database;

// The fields an income and an expense row share. Each ledger table is keyed
// by a number column named after the table (bevetel.bevetel, kiadas.kiadas).
struct LedgerSor
{
    QDate datum;
    QString idoszak;
    QString negyedev;
    QString bizonylat;
    QString leiras;
    Osszeg osszeg;
    QString lezarva;
    QString megjegyzes;
};

// Period and quarter codes from the row's date.
void DeriveCodes(LedgerSor &sor);

// A nullable amount column: a null stays empty, and back.
Osszeg amountOf(const QVariant &value);
QVariant amountValue(const Osszeg &value);

// The shared fields as column values, and read back from them.
QVariantMap ledgerValues(const LedgerSor &sor);
void readLedgerValues(LedgerSor &sor, const QVariantMap &values);

// The row of that number with the shared columns and the extra ones, by
// column name; nothing when there is no such row.
std::optional<QVariantMap> LoadLedgerRow(Database &db, const QString &table, int number,
                                         const QStringList &extraColumns);

// Inserts the row (uj) or updates it by its number. lezarva is written only
// on insert: afterwards only quarter closing sets it. An update that finds
// no row throws, as do storage failures.
void StoreLedgerRow(Database &db, const QString &table, const QVariantMap &values, bool uj);

} // namespace kalmira
