#include "ledgers/type_catalogue.h"

#include "foundation/database.h"
#include "foundation/seged.h"

#include <QSqlQuery>

namespace kalmira {
std::optional<Tipus> TipusOlvas(Database &db, const KotelezettsegOldal &oldal, int kulcs)
{
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT %1, %2, mertek, csokkmertek, novmertek, fix FROM %1 "
                               "WHERE %1=:pkulcs")
                    .arg(oldal.typeTable, oldal.typeNameField),
                {{QStringLiteral("pkulcs"), kulcs}});
    if (!query.next())
        return std::nullopt;
    return Tipus{VarToEgesz(query.value(0), -1), query.value(1).toString(),
                 ertekOf(query.value(2)),        ertekOf(query.value(3)),
                 ertekOf(query.value(4)),        query.value(5).toString()};
}

void TipusMentes(Database &db, const KotelezettsegOldal &oldal, Tipus &tipus)
{
    const QVariantMap values{
        {QStringLiteral("pnev"), tipus.nev.isNull() ? QString(QLatin1String("")) : tipus.nev},
        {QStringLiteral("pmertek"), ertekValue(tipus.mertek)},
        {QStringLiteral("pcsokk"), ertekValue(tipus.csokkmertek)},
        {QStringLiteral("pnov"), ertekValue(tipus.novmertek)},
        {QStringLiteral("pfix"), tipus.fix},
    };
    if (tipus.kulcs < 0) {
        QSqlQuery insert =
            db.exec(QStringLiteral("INSERT INTO %1 (%2, mertek, csokkmertek, novmertek, fix) "
                                   "VALUES (:pnev, :pmertek, :pcsokk, :pnov, :pfix)")
                        .arg(oldal.typeTable, oldal.typeNameField),
                    values);
        tipus.kulcs = insert.lastInsertId().toInt();
        return;
    }
    QVariantMap keyed = values;
    keyed.insert(QStringLiteral("pkulcs"), tipus.kulcs);
    db.exec(QStringLiteral("UPDATE %1 SET %2=:pnev, mertek=:pmertek, csokkmertek=:pcsokk, "
                           "novmertek=:pnov, fix=:pfix WHERE %1=:pkulcs")
                .arg(oldal.typeTable, oldal.typeNameField),
            keyed);
}

void TipusTorles(Database &db, const KotelezettsegOldal &oldal, int kulcs)
{
    db.exec(QStringLiteral("DELETE FROM %1 WHERE %1=:pkulcs").arg(oldal.typeTable),
            {{QStringLiteral("pkulcs"), kulcs}});
}

std::optional<int> TipusKeres(Database &db, const KotelezettsegOldal &oldal, const QString &field,
                              const QString &text)
{
    QVariant found;
    if (field == QLatin1String("mertek")) {
        Ertek number;
        if (!SzamErtelmez(text, number) || !number)
            return std::nullopt;
        found = db.scalar(QStringLiteral("SELECT %1 FROM %1 WHERE mertek=:pszam "
                                         "ORDER BY mertek, %1 LIMIT 1")
                              .arg(oldal.typeTable),
                          {{QStringLiteral("pszam"), *number}});
    } else if (field == oldal.typeNameField) {
        found = db.scalar(
            QStringLiteral("SELECT %1 FROM %1 "
                           "WHERE substr(%2, 1, :phossz) = :pszoveg COLLATE HU_CI "
                           "ORDER BY %2 COLLATE HU_CI, %1 LIMIT 1")
                .arg(oldal.typeTable, oldal.typeNameField),
            {{QStringLiteral("phossz"), int(text.size())}, {QStringLiteral("pszoveg"), text}});
    }
    if (!found.isValid())
        return std::nullopt;
    return VarToEgesz(found, -1);
}

} // namespace kalmira
