#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

namespace kalmira {

class MaskedEdit;

// The "OK" and "Mégsem" buttons every input dialog ends with: OK accepts,
// Mégsem (and Esc) cancels. Added to the end of the given layout.
struct OkMegsem
{
    QPushButton *ok;
    QPushButton *megsem;
};
OkMegsem addOkMegsem(QDialog *dialog, QBoxLayout *layout);

// A masked field whose required positions are not all filled is refused with
// "Nem megfelelő érték." and keeps the focus.
bool acceptMaskedField(MaskedEdit *edit);

} // namespace kalmira
