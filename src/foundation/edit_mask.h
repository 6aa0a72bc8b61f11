#pragma once

#include <QString>

namespace kalmira {

// Edit masks are written as "<pattern>;<save literals>;<blank>", for example
// "AAAAAAAA-A-AA;0;_": 'A' a letter or digit, '0' a digit, 'L' a letter, 'C'
// any character (lower case: optional), '\' escapes a literal, other
// characters are literals. With save-literals 0 the value omits the literals.
struct EditMask
{
    QString pattern;
    bool saveLiterals = true;
    QChar blank = QLatin1Char('_');

    static EditMask parse(const QString &mask);
    bool isEmpty() const { return pattern.isEmpty(); }

    // The same mask in QLineEdit::setInputMask syntax.
    QString qtInputMask() const;
    // The value as stored, from the edit's display text.
    QString value(const QString &displayText) const;
    // The display text of a stored value.
    QString display(const QString &value) const;
};

} // namespace kalmira
