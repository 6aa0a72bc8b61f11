#include "ledgers/numbering.h"

#include "foundation/database.h"
#include "foundation/seged.h"

namespace kalmira {
namespace {

int nextOf(Database &db, const QString &sql)
{
    return VarToEgesz(db.scalar(sql), 0) + 1;
}

QString typeFieldOf(const QString &table)
{
    if (table == QLatin1String("ado"))
        return QStringLiteral("adotip");
    if (table == QLatin1String("jarulek"))
        return QStringLiteral("jarulektip");
    throw Error(QStringLiteral("Ismeretlen tábla: %1").arg(table));
}

// " AND <scope>=:pscope" when the sequence is counted per type.
QString scopeCondition(const NumberedTable &target)
{
    return target.scopeField.isEmpty() ? QString()
                                       : QStringLiteral(" AND %1=:pscope").arg(target.scopeField);
}

QVariantMap params(const NumberedTable &target, int number)
{
    QVariantMap map{{QStringLiteral("pszam"), number}};
    if (!target.scopeField.isEmpty())
        map.insert(QStringLiteral("pscope"), target.scopeValue);
    return map;
}

} // namespace

int KovetkezoBevetel(Database &db)
{
    return nextOf(db, QStringLiteral("SELECT MAX(bevetel) AS maxbev FROM bevetel;"));
}

int KovetkezoKiadas(Database &db)
{
    return nextOf(db, QStringLiteral("SELECT MAX(kiadas) AS maxbev FROM kiadas;"));
}

int KovetkezoSorszam(Database &db, const QString &table, int type)
{
    return nextOf(db, QStringLiteral("SELECT MAX(sorszam) AS maxsor FROM %1\nWHERE %2=%3;")
                          .arg(table, typeFieldOf(table), QString::number(type)));
}

NumberedTable NumberedTable::bevetel()
{
    return {
        QStringLiteral("bevetel"), QStringLiteral("bevetel"), {}, {}, QStringLiteral("lezarva")};
}

NumberedTable NumberedTable::kiadas()
{
    return {QStringLiteral("kiadas"), QStringLiteral("kiadas"), {}, {}, QStringLiteral("lezarva")};
}

NumberedTable NumberedTable::ado(int adotip)
{
    return {QStringLiteral("ado"), QStringLiteral("sorszam"), QStringLiteral("adotip"), adotip, {}};
}

NumberedTable NumberedTable::jarulek(int jarulektip)
{
    return {QStringLiteral("jarulek"),
            QStringLiteral("sorszam"),
            QStringLiteral("jarulektip"),
            jarulektip,
            {}};
}

bool SorLezarva(Database &db, const NumberedTable &target, int number)
{
    if (target.closedField.isEmpty())
        return false;
    const QVariant flag = db.scalar(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3=:pszam%4")
            .arg(target.closedField, target.table, target.numberField, scopeCondition(target)),
        params(target, number));
    return flag.toString() == QLatin1String("I");
}

DeleteOutcome TorolEsSorszamoz(Database &db, const NumberedTable &target, int number)
{
    const QString scope = scopeCondition(target);
    const QVariantMap bound = params(target, number);
    Transaction transaction(db);
    if (SorLezarva(db, target, number))
        return DeleteOutcome::Closed;
    QSqlQuery removed = db.exec(QStringLiteral("DELETE FROM %1 WHERE %2=:pszam%3")
                                    .arg(target.table, target.numberField, scope),
                                bound);
    if (removed.numRowsAffected() < 1)
        return DeleteOutcome::Missing;
    // The number is a unique key, checked row by row as SQLite updates: the
    // later rows pass through negative numbers so that no two meet on the way.
    db.exec(QStringLiteral("UPDATE %1 SET %2=-(%2-1) WHERE %2>:pszam%3")
                .arg(target.table, target.numberField, scope),
            bound);
    db.exec(QStringLiteral("UPDATE %1 SET %2=-%2 WHERE %2<0 AND %2<=-:pszam%3")
                .arg(target.table, target.numberField, scope),
            bound);
    transaction.commit();
    return DeleteOutcome::Deleted;
}

} // namespace kalmira
