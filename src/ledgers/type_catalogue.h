#pragma once

#include "ledgers/obligations.h"

#include <QString>

#include <optional>

namespace kalmira {

class Database;

// One row of a type catalogue (adotip or jarulektip). kulcs is -1 for a type
// not stored yet; the storage numbers it on its first save.
struct Tipus
{
    int kulcs = -1;
    QString nev;
    Ertek mertek;
    Ertek csokkmertek;
    Ertek novmertek;
    QString fix; // "I" when the three values are amounts, else percentages
};

std::optional<Tipus> TipusOlvas(Database &db, const KotelezettsegOldal &oldal, int kulcs);
// Inserts a new type (setting its kulcs) or updates a stored one.
void TipusMentes(Database &db, const KotelezettsegOldal &oldal, Tipus &tipus);
// Deletes the type only; obligation rows and settings that name it stay.
void TipusTorles(Database &db, const KotelezettsegOldal &oldal, int kulcs);

// The first type, in the catalogue's order by that field (the name or
// mertek), whose value starts with the text regardless of letter case; under
// the rate the text is read as a number and must equal it. Empty when nothing
// matches or the text is no number under the rate.
std::optional<int> TipusKeres(Database &db, const KotelezettsegOldal &oldal, const QString &field,
                              const QString &text);

} // namespace kalmira
