#include "ledgers/ui/entry_widgets.h"

#include "foundation/prompt.h"
#include "ledgers/display_format.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace kalmira {
namespace {

// Letters typed into a voucher number become capitals as they are typed.
class UpperCaseValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

QDateEdit *datePicker(QWidget *parent, const QString &name)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(false);
    picker->setDisplayFormat(QString::fromLatin1(DisplayDateFormat));
    picker->setMinimumDate(QDate(1900, 1, 1));
    return picker;
}

QLineEdit *textEdit(QWidget *parent, const QString &name, int maxLength)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit *upperCaseEdit(QWidget *parent, const QString &name, int maxLength)
{
    QLineEdit *edit = textEdit(parent, name, maxLength);
    edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}

QComboBox *pickListCombo(QWidget *parent, const QString &name, int maxLength)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    combo->lineEdit()->setMaxLength(maxLength);
    return combo;
}

QLineEdit *amountEdit(QWidget *parent, const QString &name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-+]?[0-9 \\x{00a0}]*([,.][0-9]*)?")), edit));
    return edit;
}

void setAmount(QLineEdit *edit, const Osszeg &value)
{
    edit->setText(value ? plainNumber(*value) : QString());
}

bool readAmount(QLineEdit *edit, Osszeg &value)
{
    if (ReadOsszeg(edit->text(), value))
        return true;
    HibaBox(QStringLiteral("Nem megfelelő érték."));
    edit->setFocus();
    edit->selectAll();
    return false;
}

} // namespace kalmira
