#pragma once

#include "ledgers/obligations.h"

#include <QLineEdit>

namespace kalmira {

// A one-line edit of a Number field: shown in its display format
// ("### ### ##0") while it lies still, typed with every digit and the decimal
// comma while it has the focus. Text that is no number stays as typed, so
// that the dialog can refuse it by name.
class AmountEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit AmountEdit(const QString &format, QWidget *parent = nullptr);

    void setValue(Ertek value);
    // False when the text is no number; value is then left alone.
    bool read(Ertek &value) const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void display(bool editing);

    QString m_format;
    Ertek m_value;
    bool m_typed = false; // the text was typed since the value was last shown
};

// The text of the error box for a value that is no number.
QString nemSzam(const QString &text);

} // namespace kalmira
