#include "ledgers/ui/amount_edit.h"

#include "ledgers/display_format.h"

namespace kalmira {

AmountEdit::AmountEdit(const QString &format, QWidget *parent) : QLineEdit(parent), m_format(format)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this] { m_typed = true; });
}

void AmountEdit::setValue(Ertek value)
{
    m_value = value;
    m_typed = false;
    display(hasFocus());
}

bool AmountEdit::read(Ertek &value) const
{
    if (!m_typed) {
        value = m_value;
        return true;
    }
    return SzamErtelmez(text(), value);
}

void AmountEdit::display(bool editing)
{
    if (!m_value)
        setText(QString());
    else
        setText(editing ? plainNumber(*m_value) : FormatFloat(m_format, *m_value));
}

void AmountEdit::focusInEvent(QFocusEvent *event)
{
    if (!m_typed)
        display(true);
    QLineEdit::focusInEvent(event);
}

void AmountEdit::focusOutEvent(QFocusEvent *event)
{
    Ertek typed;
    if (m_typed && SzamErtelmez(text(), typed)) {
        m_value = typed;
        m_typed = false;
    }
    if (!m_typed)
        display(false);
    QLineEdit::focusOutEvent(event);
}

QString nemSzam(const QString &text)
{
    return QStringLiteral("'%1' nem érvényes szám.").arg(text);
}

} // namespace kalmira
