#include "ledgers/ui/inp_str_dialog.h"

#include "ledgers/ui/input_dialog_parts.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/icons.h"
#include "shell/ui/masked_edit.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmira {

Tfrm_InpStr::Tfrm_InpStr(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(new MaskedEdit(this))
{
    setObjectName(QStringLiteral("frm_InpStr"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);

    loadResources();
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(QStringLiteral(":/icons/kalmira64.png")));
    image->setFixedSize(64, 64);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    const OkMegsem buttons = addOkMegsem(this, layout);
    buttons.ok->setDefault(true);
    Edit1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 20);

    DialogConventions::apply(this, DialogConventions::Fixed);
}

void Tfrm_InpStr::setUp(const QString &caption, const QString &prompt, const QString &text,
                        const QString &mask)
{
    setWindowTitle(caption);
    Label1->setText(prompt);
    Edit1->setEditMask(mask);
    Edit1->setValue(text);
    Edit1->selectAll();
}

QString Tfrm_InpStr::text() const
{
    return Edit1->value();
}

void Tfrm_InpStr::accept()
{
    if (acceptMaskedField(Edit1))
        QDialog::accept();
}

QVariant Tfrm_InpStr::ask(const Question &question, QWidget *parent)
{
    Tfrm_InpStr dialog(parent);
    dialog.setUp(question.caption, question.text, question.value.toString(),
                 question.extra.value(QStringLiteral("mask")).toString());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.text();
}

} // namespace kalmira
