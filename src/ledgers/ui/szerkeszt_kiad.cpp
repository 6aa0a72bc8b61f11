#include "ledgers/ui/szerkeszt_kiad.h"

#include "foundation/database.h"
#include "ledgers/display_format.h"

#include <QDateEdit>

namespace kalmira {

std::optional<int> Tfrm_Szerkeszt_Kiad::Edit(Database &db, bool uj, int number, QWidget *parent)
{
    std::optional<KiadasSor> sor = uj ? UjKiadas(db) : LoadKiadas(db, number);
    if (!sor)
        throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(number));
    Tfrm_Szerkeszt_Kiad dialog(db, *sor, uj, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_sor.kiadas;
}

Tfrm_Szerkeszt_Kiad::Tfrm_Szerkeszt_Kiad(Database &db, const KiadasSor &sor, bool uj,
                                         QWidget *parent)
    : LedgerRowDialog(db, QStringLiteral("kiadas"), QStringLiteral("frm_Szerkeszt_Kiad"),
                      QStringLiteral("Kiadások szerkesztése"), parent),
      m_sor(sor), m_uj(uj)
{
    showRow(sor, FormatFloat(QStringLiteral("00000"), sor.kiadas));
    arrange({});
}

void Tfrm_Szerkeszt_Kiad::btnOKClick()
{
    KiadasSor sor = m_sor;
    if (!readRow(sor))
        return;
    finish([&] {
        PostKiadas(m_db, sor, m_uj, m_datum->date());
        m_sor = sor;
        return true;
    });
}

} // namespace kalmira
