#include "ledgers/ui/datumbe_dialog.h"

#include "foundation/clock.h"
#include "ledgers/ui/input_dialog_parts.h"
#include "shell/ui/dialog_conventions.h"

#include <QDateEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmira {

Tfrm_Datumbe::Tfrm_Datumbe(QWidget *parent) : QDialog(parent), eAlso(new QDateEdit(this))
{
    setObjectName(QStringLiteral("frm_Datumbe"));
    eAlso->setObjectName(QStringLiteral("eAlso"));
    eAlso->setCalendarPopup(false);
    eAlso->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(eAlso);
    addOkMegsem(this, layout).ok->setDefault(true);

    DialogConventions::apply(this, DialogConventions::Fixed);
}

void Tfrm_Datumbe::setUp(QDate date, const QString &caption)
{
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Dátum megadása") : caption);
    eAlso->setDate(date.isValid() ? date : Clock::today());
}

QDate Tfrm_Datumbe::date() const
{
    return eAlso->date();
}

QVariant Tfrm_Datumbe::ask(const Question &question, QWidget *parent)
{
    Tfrm_Datumbe dialog(parent);
    dialog.setUp(question.value.toDate(), question.caption);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.date();
}

} // namespace kalmira
