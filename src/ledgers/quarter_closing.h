#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kalmira {

class Database;

// What closing a quarter booked.
struct Zaras
{
    QString negyedev;
    double adoalap = 0;   // the quarter's EVA base
    double fizetendo = 0; // evaszorzo per cent of it, unrounded
    int sorszam = 0;      // number of the new tax row within the EVA type
};

// Closes the quarter in one transaction: its income rows are marked closed,
// one row of the EVA tax type (eva) is booked with the quarter's base at
// evaszorzo per cent, due on the closing day, and the quarter is recorded in
// zaras. Empty when the quarter is already closed (nothing is written); a
// failure on the way throws and leaves the books as they were.
std::optional<Zaras> NegyedevZarasa(Database &db, const QString &negyedev, int eva,
                                    double evaszorzo, QDate today);

} // namespace kalmira
