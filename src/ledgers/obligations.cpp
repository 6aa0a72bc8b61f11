#include "ledgers/obligations.h"

#include "foundation/codes.h"
#include "foundation/database.h"
#include "foundation/seged.h"
#include "ledgers/numbering.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace kalmira {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QDate dateOf(const QVariant &value)
{
    return QDate::fromString(value.toString(), kDateFormat);
}

QVariant variantOf(QDate date)
{
    return date.isValid() ? QVariant(date.toString(kDateFormat))
                          : QVariant(QMetaType(QMetaType::QString));
}

QVariantMap keyParams(int tipus, int sorszam)
{
    return {{QStringLiteral("ptip"), tipus}, {QStringLiteral("psor"), sorszam}};
}

QString keyCondition(const KotelezettsegOldal &oldal)
{
    return QStringLiteral(" WHERE %1=:ptip AND sorszam=:psor").arg(oldal.typeField);
}

// a * b, or empty when either is.
Ertek times(Ertek a, Ertek b)
{
    return a && b ? Ertek(*a * *b) : std::nullopt;
}

Ertek percentOf(Ertek base, Ertek percent)
{
    return times(base, percent ? Ertek(*percent / 100) : std::nullopt);
}

} // namespace

Ertek ertekOf(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return VarToSzam(value, 0);
}

QVariant ertekValue(const Ertek &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

const KotelezettsegOldal &KotelezettsegOldal::ado()
{
    static const KotelezettsegOldal side{QStringLiteral("ado"), QStringLiteral("adotip"),
                                         QStringLiteral("adotip"), QStringLiteral("adotip_nev")};
    return side;
}

const KotelezettsegOldal &KotelezettsegOldal::jarulek()
{
    static const KotelezettsegOldal side{QStringLiteral("jarulek"), QStringLiteral("jarulektip"),
                                         QStringLiteral("jarulektip"),
                                         QStringLiteral("jarulektip_nev")};
    return side;
}

TipusErtekek TipusErtekei(Database &db, const KotelezettsegOldal &oldal, int tipus)
{
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT mertek, csokkmertek, novmertek, fix FROM %1 WHERE %1=:ptip")
                    .arg(oldal.typeTable),
                {{QStringLiteral("ptip"), tipus}});
    if (!query.next())
        return {};
    return {ertekOf(query.value(0)), ertekOf(query.value(1)), ertekOf(query.value(2)),
            query.value(3).toString()};
}

Kotelezettseg UjKotelezettseg(Database &db, const KotelezettsegOldal &oldal, int tipus, QDate today)
{
    Kotelezettseg row;
    row.tipus = tipus;
    row.sorszam = KovetkezoSorszam(db, oldal.table, tipus);
    row.dat_esedekes = today;
    row.adoalap = 0;
    row.mertek = TipusErtekei(db, oldal, tipus).mertek;
    row.csokkento = 0;
    row.fizetendo = 0;
    row.kifizetve = QStringLiteral("N");
    row.bevallva = QStringLiteral("N");
    row.novelo = 0;
    row.ft_fizetve = 0;
    row.ft_hatralek = 0;
    return row;
}

std::optional<Kotelezettseg> KotelezettsegOlvas(Database &db, const KotelezettsegOldal &oldal,
                                                int tipus, int sorszam)
{
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT * FROM %1").arg(oldal.table) + keyCondition(oldal),
                keyParams(tipus, sorszam));
    if (!query.next())
        return std::nullopt;
    const QSqlRecord r = query.record();
    Kotelezettseg row;
    row.tipus = VarToEgesz(r.value(oldal.typeField), 0);
    row.sorszam = VarToEgesz(r.value(QStringLiteral("sorszam")), 0);
    row.dat_esedekes = dateOf(r.value(QStringLiteral("dat_esedekes")));
    row.idoszak = r.value(QStringLiteral("idoszak")).toString();
    row.adoalap = ertekOf(r.value(QStringLiteral("adoalap")));
    row.mertek = ertekOf(r.value(QStringLiteral("mertek")));
    row.csokkento = ertekOf(r.value(QStringLiteral("csokkento")));
    row.fizetendo = ertekOf(r.value(QStringLiteral("fizetendo")));
    row.dat_kifizet = dateOf(r.value(QStringLiteral("dat_kifizet")));
    row.dat_bevall = dateOf(r.value(QStringLiteral("dat_bevall")));
    row.kifizetve = r.value(QStringLiteral("kifizetve")).toString();
    row.bevallva = r.value(QStringLiteral("bevallva")).toString();
    row.novelo = ertekOf(r.value(QStringLiteral("novelo")));
    row.ft_fizetve = ertekOf(r.value(QStringLiteral("ft_fizetve")));
    row.ft_hatralek = ertekOf(r.value(QStringLiteral("ft_hatralek")));
    return row;
}

void KotelezettsegMentes(Database &db, const KotelezettsegOldal &oldal, Kotelezettseg &row, bool uj)
{
    row.idoszak = row.dat_esedekes.isValid() ? idoszakOf(row.dat_esedekes) : QString();
    QVariantMap values = keyParams(row.tipus, row.sorszam);
    values.insert({
        {QStringLiteral("dat_esedekes"), variantOf(row.dat_esedekes)},
        {QStringLiteral("idoszak"),
         row.idoszak.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(row.idoszak)},
        {QStringLiteral("adoalap"), ertekValue(row.adoalap)},
        {QStringLiteral("mertek"), ertekValue(row.mertek)},
        {QStringLiteral("csokkento"), ertekValue(row.csokkento)},
        {QStringLiteral("fizetendo"), ertekValue(row.fizetendo)},
        {QStringLiteral("dat_kifizet"), variantOf(row.dat_kifizet)},
        {QStringLiteral("dat_bevall"), variantOf(row.dat_bevall)},
        {QStringLiteral("kifizetve"), row.kifizetve},
        {QStringLiteral("bevallva"), row.bevallva},
        {QStringLiteral("novelo"), ertekValue(row.novelo)},
        {QStringLiteral("ft_fizetve"), ertekValue(row.ft_fizetve)},
        {QStringLiteral("ft_hatralek"), ertekValue(row.ft_hatralek)},
    });
    static const QStringList fields{
        QStringLiteral("dat_esedekes"), QStringLiteral("idoszak"),    QStringLiteral("adoalap"),
        QStringLiteral("mertek"),       QStringLiteral("csokkento"),  QStringLiteral("fizetendo"),
        QStringLiteral("dat_kifizet"),  QStringLiteral("dat_bevall"), QStringLiteral("kifizetve"),
        QStringLiteral("bevallva"),     QStringLiteral("novelo"),     QStringLiteral("ft_fizetve"),
        QStringLiteral("ft_hatralek")};
    if (uj) {
        db.exec(QStringLiteral("INSERT INTO %1 (%2, sorszam, %3) VALUES (:ptip, :psor, :%4)")
                    .arg(oldal.table, oldal.typeField, fields.join(QStringLiteral(", ")),
                         fields.join(QStringLiteral(", :"))),
                values);
        return;
    }
    QStringList assignments;
    for (const QString &field : fields)
        assignments << field + QStringLiteral("=:") + field;
    db.exec(QStringLiteral("UPDATE %1 SET %2")
                    .arg(oldal.table, assignments.join(QStringLiteral(", "))) +
                keyCondition(oldal),
            values);
}

Szamitas FizetendoSzamitas(Ertek adoalap, Ertek mertek, const TipusErtekek &tipus)
{
    Szamitas result;
    if (tipus.fixOsszeg()) {
        if (mertek && tipus.csokkmertek && tipus.novmertek)
            result.fizetendo = *mertek - *tipus.csokkmertek + *tipus.novmertek;
        result.csokkento = tipus.csokkmertek;
        result.novelo = tipus.novmertek;
        return result;
    }
    const Ertek rate = percentOf(adoalap, mertek);
    result.csokkento = percentOf(adoalap, tipus.csokkmertek);
    result.novelo = percentOf(adoalap, tipus.novmertek);
    if (rate && result.csokkento && result.novelo)
        result.fizetendo = *rate - *result.csokkento + *result.novelo;
    return result;
}

double FizetesJavaslat(Database &db, const KotelezettsegOldal &oldal, int tipus, int ev)
{
    const QString year = QString::number(ev).rightJustified(4, QLatin1Char('0'));
    QSqlQuery sums = db.exec(QStringLiteral("SELECT\n SUM(fizetendo) AS fizetendo,\n"
                                            " SUM(ft_fizetve) AS ft_fizetve\nFROM %1\n"
                                            "WHERE (idoszak BETWEEN :pido1 AND :pido2) AND "
                                            "(%2 = :pjartip)")
                                 .arg(oldal.table, oldal.typeField),
                             {{QStringLiteral("pido1"), year + QStringLiteral("01")},
                              {QStringLiteral("pido2"), year + QStringLiteral("12")},
                              {QStringLiteral("pjartip"), tipus}});
    double due = 0, paid = 0;
    if (sums.next()) {
        due = VarToSzam(sums.value(0), 0);
        paid = VarToSzam(sums.value(1), 0);
    }
    return EzresKerekites(due - paid);
}

void Megfizet(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam, QDate datum,
              double osszeg)
{
    QVariantMap params = keyParams(tipus, sorszam);
    params.insert(QStringLiteral("pdatum"), variantOf(datum));
    params.insert(QStringLiteral("posszeg"), osszeg);
    // A row without an amount due owes nothing: the balance is what was overpaid.
    db.exec(QStringLiteral("UPDATE %1 SET kifizetve='I', dat_kifizet=:pdatum, ft_fizetve=:posszeg,"
                           " ft_hatralek=COALESCE(fizetendo, 0)-:posszeg")
                    .arg(oldal.table) +
                keyCondition(oldal),
            params);
}

void FizetesTorles(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam)
{
    db.exec(QStringLiteral("UPDATE %1 SET kifizetve='N', ft_fizetve=0, dat_kifizet=NULL")
                    .arg(oldal.table) +
                keyCondition(oldal),
            keyParams(tipus, sorszam));
}

void Bevall(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam, QDate datum)
{
    QVariantMap params = keyParams(tipus, sorszam);
    params.insert(QStringLiteral("pdatum"), variantOf(datum));
    db.exec(QStringLiteral("UPDATE %1 SET bevallva='I', dat_bevall=:pdatum").arg(oldal.table) +
                keyCondition(oldal),
            params);
}

void BevallasTorles(Database &db, const KotelezettsegOldal &oldal, int tipus, int sorszam)
{
    db.exec(QStringLiteral("UPDATE %1 SET bevallva='N', dat_bevall=NULL").arg(oldal.table) +
                keyCondition(oldal),
            keyParams(tipus, sorszam));
}

bool SzamErtelmez(const QString &text, Ertek &value)
{
    QString plain = text;
    plain.remove(QLatin1Char(' ')).remove(QChar(0x00A0)).remove(QChar(0x202F));
    if (plain.isEmpty()) {
        value = std::nullopt;
        return true;
    }
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = QLocale::c().toDouble(plain, &ok);
    ok = ok && std::isfinite(number);
    if (ok)
        value = number;
    return ok;
}

} // namespace kalmira
