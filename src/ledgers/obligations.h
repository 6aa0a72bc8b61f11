#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

namespace kalmira {

class Database;

// An amount, a rate or any other Number field: empty when the field is null.
using Ertek = std::optional<double>;

// A Number column as read and as bound: null is an empty Ertek and back. A
// text that is no number is refused with the storage conversion error.
Ertek ertekOf(const QVariant &value);
QVariant ertekValue(const Ertek &value);

// The two obligation books share their layout and rules; they differ in the
// table, its type field and the type catalogue behind it.
struct KotelezettsegOldal
{
    QString table;         // "ado"
    QString typeField;     // "adotip"
    QString typeTable;     // "adotip"
    QString typeNameField; // "adotip_nev"

    static const KotelezettsegOldal &ado();
    static const KotelezettsegOldal &jarulek();
};

// The values of a type that the amount due is computed from. A missing type
// has every value empty.
struct TipusErtekek
{
    Ertek mertek;
    Ertek csokkmertek;
    Ertek novmertek;
    QString fix;

    bool fixOsszeg() const { return fix == QLatin1String("I"); }
};

TipusErtekek TipusErtekei(Database &db, const KotelezettsegOldal &oldal, int tipus);

// One obligation row as stored.
struct Kotelezettseg
{
    int tipus = 0;
    int sorszam = 0;
    QDate dat_esedekes;
    QString idoszak;
    Ertek adoalap;
    Ertek mertek;
    Ertek csokkento;
    Ertek fizetendo;
    QDate dat_kifizet;
    QDate dat_bevall;
    QString kifizetve;
    QString bevallva;
    Ertek novelo;
    Ertek ft_fizetve;
    Ertek ft_hatralek;

    bool fizetve() const { return kifizetve == QLatin1String("I"); }
    bool bevallott() const { return bevallva == QLatin1String("I"); }
};

// A new row of the type: the next number of the type, due today, the type's
// rate, zero amounts, neither paid nor declared. Nothing is stored yet.
Kotelezettseg UjKotelezettseg(Database &db, const KotelezettsegOldal &oldal, int tipus,
                              QDate today);

std::optional<Kotelezettseg> KotelezettsegOlvas(Database &db, const KotelezettsegOldal &oldal,
                                                int tipus, int sorszam);

// Stores the row with its period code taken from the due date: a new row is
// inserted under its number, a changed one replaces the row it was read as.
// A number already held in the type is refused by the storage (Error).
void KotelezettsegMentes(Database &db, const KotelezettsegOldal &oldal, Kotelezettseg &row,
                         bool uj);

// What the compute button writes into the row. The rate comes from the row,
// the reduction and the increase from the type; any empty operand leaves its
// result empty. Nothing is rounded.
struct Szamitas
{
    Ertek fizetendo;
    Ertek csokkento;
    Ertek novelo;
};
Szamitas FizetendoSzamitas(Ertek adoalap, Ertek mertek, const TipusErtekek &tipus);

// The payment suggested for a row due in that year: what is still unpaid of
// the type's whole calendar year (its rows with period codes yyyy01..yyyy12),
// rounded to whole thousands.
double FizetesJavaslat(Database &db, const KotelezettsegOldal &oldal, int tipus, int ev);

// Payment and declaration of one row, and their undo. The undo of a payment
// leaves ft_hatralek as the last payment set it.
void Megfizet(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam, QDate datum,
              double osszeg);
void FizetesTorles(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam);
void Bevall(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam, QDate datum);
void BevallasTorles(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam);

// Reads an amount or a rate as typed: spaces as digit groups, a decimal comma
// or point. An empty text is an empty value; false for text that is no number.
bool SzamErtelmez(const QString &text, Ertek &value);

} // namespace kalmira
