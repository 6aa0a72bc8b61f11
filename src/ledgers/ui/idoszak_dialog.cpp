#include "ledgers/ui/idoszak_dialog.h"

#include "foundation/input_prompts.h"
#include "ledgers/ui/input_dialog_parts.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/masked_edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kalmira {
namespace {

MaskedEdit *periodEdit(QWidget *parent, const char *name)
{
    auto *edit = new MaskedEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEditMask(QString::fromLatin1(IdoszakMaszk));
    // Room for the seven visible characters "yyyy.mm" and a little more.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 24);
    return edit;
}

} // namespace

Tfrm_Idoszak::Tfrm_Idoszak(QWidget *parent)
    : QDialog(parent), eTol(periodEdit(this, "eTol")), eIg(periodEdit(this, "eIg"))
{
    setObjectName(QStringLiteral("frm_Idoszak"));
    setWindowTitle(QStringLiteral("Időszak megadása"));

    auto *fields = new QGridLayout;
    auto *tolLabel = new QLabel(QStringLiteral("tól"), this);
    auto *igLabel = new QLabel(QStringLiteral("ig"), this);
    tolLabel->setBuddy(eTol);
    igLabel->setBuddy(eIg);
    fields->addWidget(tolLabel, 0, 0);
    fields->addWidget(igLabel, 0, 1);
    fields->addWidget(eTol, 1, 0);
    fields->addWidget(eIg, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(fields);
    addOkMegsem(this, layout);
    setTabOrder(eTol, eIg);

    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

void Tfrm_Idoszak::setRange(const QString &from, const QString &to)
{
    eTol->setValue(from);
    eIg->setValue(to);
}

QString Tfrm_Idoszak::tol() const
{
    return eTol->value();
}

QString Tfrm_Idoszak::ig() const
{
    return eIg->value();
}

void Tfrm_Idoszak::accept()
{
    if (acceptMaskedField(eTol) && acceptMaskedField(eIg))
        QDialog::accept();
}

QVariant Tfrm_Idoszak::ask(const Question &question, QWidget *parent)
{
    Tfrm_Idoszak dialog(parent);
    const QStringList range = question.value.toStringList();
    dialog.setRange(range.value(0), range.value(1));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return QStringList{dialog.tol(), dialog.ig()};
}

} // namespace kalmira
