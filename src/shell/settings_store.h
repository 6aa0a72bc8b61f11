#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

namespace kalmira {

class Database;

// The firm's settings row as the settings dialog edits it. Null database
// values are an invalid QVariant (numbers, keys) or an invalid date.
struct BeallitRow
{
    bool vanbelep = false;
    QVariant evaszorzo;
    QVariant eva;
    QVariant tarsasagi;
    QString cegnev;
    QString adoszam; // without the mask's literals
    QDate dat_tevkezd;
};

// The first beallit row by key; an empty table gives a row of nulls.
BeallitRow loadBeallitRow(Database &db);
// Writes the row back into the first row by key, or inserts it when the
// table holds none.
void saveBeallitRow(Database &db, const BeallitRow &row);

struct TypeChoice
{
    int key;
    QString name;
};
// Every tax type in key order, as the EVA and local business tax lists show them.
QList<TypeChoice> adotipChoices(Database &db);

// A date as typed into a settings field: the locale's short form
// ("2006. 03. 15."), "2006.03.15" or "2006-03-15". Empty text is a null
// date (true with an invalid date); text that is no date gives false.
bool readDateField(const QString &text, QDate &date);
QString dateFieldText(QDate date);

} // namespace kalmira
