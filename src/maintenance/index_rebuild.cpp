#include "maintenance/index_rebuild.h"

#include "foundation/database.h"

#include <algorithm>

namespace kalmira {
namespace {

QString quotedName(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

QList<const schema::Table *> rebuildPlan()
{
    QList<const schema::Table *> plan;
    for (const schema::Table &table : schema::tables())
        plan << &table;
    std::sort(plan.begin(), plan.end(),
              [](const schema::Table *a, const schema::Table *b) { return a->name < b->name; });
    return plan;
}

QStringList secondaryIndexNames(Database &db, const QString &table)
{
    // The key's own index has no SQL text of its own.
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' "
                               "AND sql IS NOT NULL AND tbl_name=:tabla COLLATE NOCASE "
                               "ORDER BY name"),
                {{QStringLiteral("tabla"), table}});
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

void rebuildTableIndexes(Database &db, const schema::Table &table)
{
    db.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quotedName(table.name)));
    for (const QString &name : secondaryIndexNames(db, table.name))
        db.exec(QStringLiteral("DROP INDEX %1").arg(quotedName(name)));
    // With the secondary indexes gone, this rebuilds only the key's index.
    db.exec(QStringLiteral("REINDEX %1").arg(quotedName(table.name)));
    for (const schema::Index &index : table.indexes)
        db.exec(schema::createIndexSql(table, index));
}

} // namespace kalmira
