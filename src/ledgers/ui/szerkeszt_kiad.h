#pragma once

#include "ledgers/kiadas_sor.h"
#include "ledgers/ui/ledger_row_dialog.h"

#include <optional>

namespace kalmira {

class Database;

// The expense row dialog: edits a copy of the row; OK derives the codes and
// stores it at once, Mégsem leaves the books untouched.
class Tfrm_Szerkeszt_Kiad : public LedgerRowDialog
{
    Q_OBJECT
public:
    // A new row (uj) or the row of that number; returns the number of the
    // stored row, nothing when cancelled.
    static std::optional<int> Edit(Database &db, bool uj, int number, QWidget *parent);

    Tfrm_Szerkeszt_Kiad(Database &db, const KiadasSor &sor, bool uj, QWidget *parent = nullptr);

private:
    void btnOKClick() override;

    KiadasSor m_sor;
    bool m_uj;
};

} // namespace kalmira
