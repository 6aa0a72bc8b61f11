#pragma once

// Shared by the maintenance tests: a progress recorder and readings of a
// database file taken on a connection of their own.

#include "foundation/database.h"
#include "foundation/schema.h"
#include "maintenance/maintenance_progress.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>

namespace kalmira::test {

class RecordingProgress final : public MaintenanceProgress
{
public:
    void setMaximum(int maximum) override { events << QStringLiteral("max %1").arg(maximum); }
    void stepIt() override { events << QStringLiteral("step"); }
    void setStatus(const QString &text) override { events << QStringLiteral("status ") + text; }
    void reset() override { events << QStringLiteral("reset"); }
    QStringList events;
};

// Opens a second connection on the folder's database for the test's own reading.
class Probe
{
public:
    explicit Probe(const QString &folder) : m_db(QStringLiteral("TestProbe"))
    {
        m_db.open(folder, Database::Missing::Fail);
    }
    Database &db() { return m_db; }

    // "name ON table(field COLLATION) [UNIQUE]" for every index with SQL of its own.
    QStringList indexLayout()
    {
        QStringList layout;
        QSqlQuery indexes = m_db.exec(QStringLiteral(
            "SELECT name, tbl_name FROM sqlite_master WHERE type='index' AND sql IS NOT NULL"));
        while (indexes.next()) {
            const QString name = indexes.value(0).toString();
            QStringList columns;
            QSqlQuery info = m_db.exec(QStringLiteral("PRAGMA index_xinfo(\"%1\")").arg(name));
            while (info.next()) {
                if (info.value(QStringLiteral("key")).toInt() == 0)
                    continue;
                columns << QStringLiteral("%1 %2%3").arg(
                    info.value(QStringLiteral("name")).toString(),
                    info.value(QStringLiteral("coll")).toString(),
                    info.value(QStringLiteral("desc")).toInt() ? QStringLiteral(" DESC")
                                                               : QString());
            }
            const QVariant unique = m_db.scalar(
                QStringLiteral(
                    "SELECT \"unique\" OR partial FROM pragma_index_list(:t) WHERE name=:n"),
                {{QStringLiteral("t"), indexes.value(1)}, {QStringLiteral("n"), name}});
            layout << QStringLiteral("%1 ON %2(%3)%4")
                          .arg(name, indexes.value(1).toString(),
                               columns.join(QStringLiteral(", ")),
                               unique.toInt() ? QStringLiteral(" UNIQUE/PARTIAL") : QString());
        }
        layout.sort();
        return layout;
    }

    // Every row of every table, as sorted text: the same set of rows whatever
    // the row ids.
    QStringList rows()
    {
        QStringList all;
        for (const QString &table : m_db.tableNames()) {
            if (table.startsWith(QLatin1String("sqlite_")))
                continue;
            QSqlQuery query = m_db.exec(QStringLiteral("SELECT * FROM %1").arg(table));
            while (query.next()) {
                QStringList values;
                for (int i = 0; i < query.record().count(); ++i) {
                    const QVariant v = query.value(i);
                    values << (v.isNull() ? QStringLiteral("NULL")
                                          : QString::fromLatin1(v.typeName()) + QLatin1Char(':') +
                                                v.toString());
                }
                all << table + QLatin1Char('|') + values.join(QLatin1Char('|'));
            }
        }
        all.sort();
        return all;
    }

    QStringList schemaText()
    {
        QStringList text;
        QSqlQuery query =
            m_db.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
        while (query.next())
            text << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString() +
                        QLatin1Char(' ') + query.value(2).toString();
        return text;
    }

    QString integrity() { return m_db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(); }

private:
    Database m_db;
};

// What the schema description says the indexes are, in Probe::indexLayout's form.
inline QStringList describedIndexLayout()
{
    QStringList layout;
    for (const schema::Table &table : schema::tables())
        for (const schema::Index &index : table.indexes)
            layout << QStringLiteral("%1 ON %2(%3 %4)")
                          .arg(schema::storedIndexName(table, index), table.name, index.field,
                               table.field(index.field)->isText() ? QStringLiteral("HU_CI")
                                                                  : QStringLiteral("BINARY"));
    layout.sort();
    return layout;
}

inline QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

inline QString databaseFile(const QString &folder)
{
    return QDir(folder).filePath(QString::fromLatin1(Database::FileName));
}

} // namespace kalmira::test
