#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kalmira {

class Database;

// An amount as the row dialogs hold it: a cleared field is null.
using Osszeg = std::optional<double>;

// Tax base of an income row: osszeg + novelo - csokkento, a null counting as 0.
double Adoalap(Osszeg osszeg, Osszeg novelo, Osszeg csokkento);
// EVA advance on a tax base at a rate given in per cent, not rounded.
double Adoeloleg(double adoalap, double evaszorzo);

// Reads an amount typed into a dialog ("1 234,5", "1234.5", "-20"): true with
// the value, null for an empty text; false when the text is no number.
bool ReadOsszeg(const QString &text, Osszeg &value);

// The descriptions used so far in a ledger table ("bevetel" or "kiadas"):
// each once, in Hungarian order (case variants next to each other, capital
// first), without an empty one.
QStringList LeirasLista(Database &db, const QString &table);

} // namespace kalmira
