#pragma once

#include <QString>

namespace kalmira {

class Database;

// True when the quarter code (exactly, case and all) is among the closed
// quarters of zaras.
bool NegyedevLezarva(Database &db, const QString &negyedev);

} // namespace kalmira
