#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kalmira::schema {

// How a field is stored and declared; see docs/storage.md.
enum class Kind { Alpha, LongInt, AutoInc, Number, Date };

struct Field
{
    QString name;
    Kind kind;
    int size = 0;   // characters, for Alpha
    QString label;  // column title and caption; empty means the field name is shown
    QString format; // display format of numbers ("### ### ##0", "00000")

    QString title() const { return label.isEmpty() ? name : label; }
    bool isText() const { return kind == Kind::Alpha; }
};

// A secondary index: one field, ascending, not unique, text in HU_CI order.
struct Index
{
    QString name;  // as the books name it: "idx_" + field
    QString field;
};

struct Table
{
    QString name;
    QList<Field> fields;  // in stored order
    QStringList key;      // primary key fields, in key order
    QList<Index> indexes; // secondary indexes, in their order

    const Field *field(const QString &fieldName) const;
    int fieldIndex(const QString &fieldName) const;
    const Index *indexOn(const QString &fieldName) const;
};

// The ten tables, in the order the books list them.
const QList<Table> &tables();
// The table of that name; throws std::out_of_range for an unknown name.
const Table &table(const QString &name);

// SQLite keeps index names in one namespace per database, while the books
// reuse names such as idx_mertek across tables: the stored name is prefixed
// with the table ("ado_idx_mertek").
QString storedIndexName(const Table &table, const Index &index);

QString createTableSql(const Table &table);
QString createIndexSql(const Table &table, const Index &index);

} // namespace kalmira::schema
