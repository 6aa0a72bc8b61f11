#include "ledgers/ui/input_dialog_parts.h"

#include "foundation/prompt.h"
#include "shell/ui/masked_edit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace kalmira {

OkMegsem addOkMegsem(QDialog *dialog, QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    OkMegsem buttons{new QPushButton(QStringLiteral("OK"), dialog),
                     new QPushButton(QStringLiteral("Mégsem"), dialog)};
    buttons.ok->setObjectName(QStringLiteral("OK"));
    buttons.megsem->setObjectName(QStringLiteral("Megsem"));
    row->addWidget(buttons.ok);
    row->addWidget(buttons.megsem);
    layout->addLayout(row);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.megsem, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

bool acceptMaskedField(MaskedEdit *edit)
{
    if (edit->isComplete())
        return true;
    HibaBox(QStringLiteral("Nem megfelelő érték."));
    edit->setFocus();
    return false;
}

} // namespace kalmira
