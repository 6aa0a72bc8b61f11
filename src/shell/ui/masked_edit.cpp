#include "shell/ui/masked_edit.h"

#include <QFocusEvent>
#include <QTimer>

namespace kalmira {

MaskedEdit::MaskedEdit(QWidget *parent) : QLineEdit(parent) {}

void MaskedEdit::setEditMask(const QString &mask)
{
    m_mask = EditMask::parse(mask);
    setInputMask(m_mask.qtInputMask());
}

void MaskedEdit::setValue(const QString &value)
{
    setText(m_mask.display(value));
}

QString MaskedEdit::value() const
{
    return m_mask.isEmpty() ? text() : m_mask.value(displayText());
}

bool MaskedEdit::isComplete(bool allowEmpty) const
{
    if (allowEmpty && value().isEmpty())
        return true;
    return hasAcceptableInput();
}

void MaskedEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] { selectAll(); });
}

} // namespace kalmira
