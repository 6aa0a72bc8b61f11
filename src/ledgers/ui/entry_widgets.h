#pragma once

#include "ledgers/entry_rules.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QWidget;

namespace kalmira {

// The fields the income and expense row dialogs share.
QDateEdit *datePicker(QWidget *parent, const QString &name); // up-down, no calendar
QLineEdit *upperCaseEdit(QWidget *parent, const QString &name, int maxLength);
QLineEdit *textEdit(QWidget *parent, const QString &name, int maxLength);
QComboBox *pickListCombo(QWidget *parent, const QString &name, int maxLength);
// Digits, sign, decimal comma or point and spaces; right-aligned.
QLineEdit *amountEdit(QWidget *parent, const QString &name);
void setAmount(QLineEdit *edit, const Osszeg &value);
// The amount typed; a text that is no number is refused with the error box
// and the field gets the focus back.
bool readAmount(QLineEdit *edit, Osszeg &value);

} // namespace kalmira
