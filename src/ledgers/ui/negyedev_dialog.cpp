#include "ledgers/ui/negyedev_dialog.h"

#include "foundation/input_prompts.h"
#include "ledgers/ui/input_dialog_parts.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/masked_edit.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kalmira {

Tfrm_Negyedev::Tfrm_Negyedev(QWidget *parent) : QDialog(parent), eNegyedev(new MaskedEdit(this))
{
    setObjectName(QStringLiteral("frm_Negyedev"));
    setWindowTitle(QStringLiteral("Negyedév megadás"));
    eNegyedev->setObjectName(QStringLiteral("eNegyedev"));
    eNegyedev->setEditMask(QString::fromLatin1(NegyedevMaszk));
    eNegyedev->setMinimumWidth(
        eNegyedev->fontMetrics().horizontalAdvance(QStringLiteral("0000.0")) + 24);

    auto *label = new QLabel(QStringLiteral("negyedév"), this);
    label->setBuddy(eNegyedev);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(eNegyedev);
    addOkMegsem(this, layout);

    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

void Tfrm_Negyedev::setNegyedev(const QString &negyedev)
{
    eNegyedev->setValue(negyedev);
}

QString Tfrm_Negyedev::negyedev() const
{
    return eNegyedev->value();
}

void Tfrm_Negyedev::accept()
{
    if (acceptMaskedField(eNegyedev))
        QDialog::accept();
}

QVariant Tfrm_Negyedev::ask(const Question &question, QWidget *parent)
{
    Tfrm_Negyedev dialog(parent);
    dialog.setNegyedev(question.value.toString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.negyedev();
}

} // namespace kalmira
