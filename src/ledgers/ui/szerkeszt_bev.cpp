#include "ledgers/ui/szerkeszt_bev.h"

#include "foundation/beall.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/ui/entry_widgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

namespace kalmira {

std::optional<int> Tfrm_Szerkeszt_Bev::Edit(Database &db, bool uj, int number, QWidget *parent)
{
    std::optional<BevetelSor> sor = uj ? UjBevetel(db) : LoadBevetel(db, number);
    if (!sor)
        throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(number));
    Tfrm_Szerkeszt_Bev dialog(db, *sor, uj, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_sor.bevetel;
}

Tfrm_Szerkeszt_Bev::Tfrm_Szerkeszt_Bev(Database &db, const BevetelSor &sor, bool uj,
                                       QWidget *parent)
    : LedgerRowDialog(db, QStringLiteral("bevetel"), QStringLiteral("frm_Szerkeszt_Bev"),
                      QStringLiteral("Bevételek szerkesztése"), parent),
      m_sor(sor), m_novelo(amountEdit(this, QStringLiteral("eNovelo"))),
      m_csokkento(amountEdit(this, QStringLiteral("eCsokkento"))),
      m_fizetve(new QCheckBox(QStringLiteral("Fizetve"), this))
{
    if (!uj)
        m_stored = sor.datum;
    m_fizetve->setObjectName(QStringLiteral("cbFizetve"));

    showRow(sor, QString::number(sor.bevetel));
    setAmount(m_novelo, sor.novelo);
    setAmount(m_csokkento, sor.csokkento);
    m_fizetve->setChecked(sor.fizetve == QLatin1String("I"));
    arrange({{QStringLiteral("növelő"), m_novelo},
             {QStringLiteral("csökkentő"), m_csokkento},
             {QString(), m_fizetve}});
}

void Tfrm_Szerkeszt_Bev::btnOKClick()
{
    BevetelSor sor = m_sor;
    if (!readRow(sor) || !readAmount(m_novelo, sor.novelo) ||
        !readAmount(m_csokkento, sor.csokkento))
        return;
    sor.fizetve = m_fizetve->isChecked() ? QStringLiteral("I") : QStringLiteral("N");
    finish([&] {
        if (PostBevetel(m_db, sor, m_stored, m_datum->date(), Beall.evaszorzo) ==
            PostResult::QuarterClosed) {
            HibaBox(QStringLiteral("Ez az időszak már le lett zárva."));
            return false;
        }
        m_sor = sor;
        return true;
    });
}

} // namespace kalmira
