#include "ledgers/ui/inp_szam_dialog.h"

#include "ledgers/number_input.h"
#include "ledgers/ui/input_dialog_parts.h"
#include "shell/ui/dialog_conventions.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmira {

Tfrm_Inp::Tfrm_Inp(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(new QLineEdit(this)),
      aElfogad(new QAction(this)), aMegsem(new QAction(this))
{
    setObjectName(QStringLiteral("frm_Inp"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->installEventFilter(this);
    Label1->setBuddy(Edit1);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    const OkMegsem buttons = addOkMegsem(this, layout);
    Edit1->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 20);

    // OK decides itself whether the dialog may close.
    buttons.ok->setDefault(true);
    disconnect(buttons.ok, nullptr, this, nullptr);
    aElfogad->setObjectName(QStringLiteral("aElfogad"));
    aElfogad->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    aMegsem->setObjectName(QStringLiteral("aMegsem"));
    aMegsem->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(aElfogad);
    addAction(aMegsem);
    connect(aElfogad, &QAction::triggered, this, &Tfrm_Inp::aElfogadExecute);
    connect(buttons.ok, &QPushButton::clicked, aElfogad, &QAction::trigger);
    connect(aMegsem, &QAction::triggered, this, &QDialog::reject);

    DialogConventions::apply(this, DialogConventions::Fixed);
}

void Tfrm_Inp::setUp(const QString &caption, const QString &prompt, double value)
{
    setWindowTitle(caption);
    Label1->setText(prompt);
    Edit1->setText(numberInputText(value));
    Edit1->selectAll();
    m_value = value;
}

void Tfrm_Inp::aElfogadExecute()
{
    const std::optional<double> typed = numberInputValue(Edit1->text());
    if (!typed) {
        HibaBox(QStringLiteral("Nem megfelelő érték."));
        Edit1->setFocus();
        return;
    }
    m_value = *typed;
    accept();
}

bool Tfrm_Inp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool command =
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && text.size() == 1 && text[0].isPrint() &&
            !QStringLiteral("0123456789,-.").contains(text[0]))
            return true; // a typed character the field does not take
    }
    return QDialog::eventFilter(watched, event);
}

QVariant Tfrm_Inp::ask(const Question &question, QWidget *parent)
{
    Tfrm_Inp dialog(parent);
    dialog.setUp(question.caption, question.text, question.value.toDouble());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.value();
}

} // namespace kalmira
