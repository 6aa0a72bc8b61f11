#include "shell/ui/input_maszk_dialog.h"

#include "foundation/edit_mask.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmira {

InputMaszkDialog::InputMaszkDialog(const QString &caption, const QString &prompt,
                                   const QString &mask, const QString &value, QWidget *parent)
    : QDialog(parent), m_label(new QLabel(prompt, this)), m_edit(new QLineEdit(this)), m_mask(mask)
{
    setObjectName(QStringLiteral("frm_InputMaszk"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    // Dialog units: a quarter of the average letter's width, an eighth of its height.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font());
    const int cx = metrics.horizontalAdvance(letters) / 52;
    const int cy = metrics.height();
    const auto across = [cx](int m) { return (m * cx + 2) / 4; };
    const auto down = [cy](int m) { return (m * cy + 4) / 8; };

    m_label->setObjectName(QStringLiteral("Prompt"));
    m_label->setWordWrap(true);
    m_label->setGeometry(across(8), down(8), across(164), m_label->heightForWidth(across(164)));

    const EditMask editMask = EditMask::parse(mask);
    m_edit->setObjectName(QStringLiteral("Edit"));
    m_edit->setMaxLength(255);
    m_edit->setInputMask(editMask.qtInputMask());
    m_edit->setText(editMask.display(value));
    m_edit->setGeometry(across(8), m_label->geometry().bottom() + 1 + 5, across(164),
                        m_edit->sizeHint().height());
    m_edit->selectAll();

    const int buttonTop = m_edit->geometry().bottom() + 1 + 15;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setGeometry(across(38), buttonTop, across(50), down(14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    cancel->setObjectName(QStringLiteral("Megsem"));
    cancel->setGeometry(across(92), buttonTop, across(50), down(14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(across(180), buttonTop + down(14) + 13);
}

QString InputMaszkDialog::value() const
{
    return EditMask::parse(m_mask).value(m_edit->displayText());
}

QVariant InputMaszkDialog::ask(const Question &question, QWidget *parent)
{
    InputMaszkDialog dialog(question.caption, question.text,
                            question.extra.value(QStringLiteral("mask")).toString(),
                            question.value.toString(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.value();
}

} // namespace kalmira
