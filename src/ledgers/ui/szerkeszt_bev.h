#pragma once

#include "ledgers/bevetel_sor.h"
#include "ledgers/ui/ledger_row_dialog.h"

#include <optional>

class QCheckBox;

namespace kalmira {

class Database;

// The income row dialog. It edits a copy of the row; OK refuses a closed
// quarter, derives the codes and the tax and stores the row, Mégsem leaves
// the books untouched.
class Tfrm_Szerkeszt_Bev : public LedgerRowDialog
{
    Q_OBJECT
public:
    // A new row (uj) or the row of that number; returns the number of the
    // stored row, nothing when cancelled or when there was no row to edit.
    static std::optional<int> Edit(Database &db, bool uj, int number, QWidget *parent);

    Tfrm_Szerkeszt_Bev(Database &db, const BevetelSor &sor, bool uj, QWidget *parent = nullptr);

private:
    void btnOKClick() override;

    BevetelSor m_sor;
    std::optional<QDate> m_stored; // the date the row had, for an existing row
    QLineEdit *m_novelo;
    QLineEdit *m_csokkento;
    QCheckBox *m_fizetve;
};

} // namespace kalmira
