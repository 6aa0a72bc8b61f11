#pragma once

#include <QString>

#include <optional>

namespace kalmira {

// A number as the number dialog first shows it: the locale's decimal
// separator, no thousands separators, no fixed decimals ("1234,5").
QString numberInputText(double value);

// The value of a typed number: spaces are dropped, then the rest must be a
// number in the locale's format, read tolerantly as SzovegToSzam does;
// nullopt when it is not.
std::optional<double> numberInputValue(const QString &text);

} // namespace kalmira
