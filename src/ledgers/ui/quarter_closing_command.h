#pragma once

#include <functional>

class QMdiArea;

namespace kalmira {

class Database;

// The income ledger's "Zárás" (Ctrl+F8): asks for the quarter (the current
// one offered), refuses a closed quarter before asking for confirmation,
// closes it, lets the income ledger show its padlocks through refreshIncome,
// and brings the EVA tax ledger forward in the MDI area.
void aZarExecute(Database &db, QMdiArea *area, const std::function<void()> &refreshIncome);

} // namespace kalmira
