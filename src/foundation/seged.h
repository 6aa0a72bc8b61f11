#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// Small conversions and text routines shared by every window of both programs.
namespace kalmira {

// Nullable database values; a value that does not convert throws Error.
QString VarToSzoveg(const QVariant &value, const QString &defaultText);
int VarToEgesz(const QVariant &value, int defaultValue);
double VarToSzam(const QVariant &value, double defaultValue);

QString SzokozTorles(const QString &text);
QString SzamKarakterek(const QString &text);
// Tolerant number reader: "1 234,5" is 1234.5; text that is no number is 0.
double SzovegToSzam(const QString &text);
QString KarakterCsere(const QVariant &value, QChar from, QChar to);
QString KarakterTorles(const QString &piece, const QString &text);
int KarakterSzam(QChar character, const QString &text);
// Field n (from 1) of a text separated by the separator; empty past the end.
QString MezoKivesz(QChar separator, const QString &text, int n);
QString SorokOsszefuz(const QString &text, const QString &separator);
QString FajlNevKeszit(const QString &text);
int Honap(QDate date);
// Whole thousands, halves up; anything under 500 becomes 1000.
double EzresKerekites(double amount);

// An error text as the "Kalmira" error box shows it: a full stop is appended
// when the last character sorts after ".".
QString WithFullStop(const QString &text);

} // namespace kalmira
