#pragma once

#include "foundation/error.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>

struct sqlite3;

namespace kalmira {

// The one connection of a program to the data folder's database file.
// Every SQL statement of the program goes through here; failures are thrown
// as Error with the storage's own text.
class Database
{
public:
    static constexpr const char *FileName = "kalmira.db";
    enum class Missing { Create, Fail };

    explicit Database(const QString &connectionName);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens <folder>/kalmira.db. With Missing::Create a folder without a
    // database gets a new one with the full schema and first-start content.
    void open(const QString &folder, Missing missing = Missing::Fail);
    void close();
    bool isOpen() const;
    QString folder() const { return m_folder; }
    QString filePath() const;

    QSqlQuery exec(const QString &sql, const QVariantMap &params = {});
    // First column of the first row; an invalid QVariant when there is none.
    QVariant scalar(const QString &sql, const QVariantMap &params = {});
    // A prepared statement for repeated execution with execPrepared().
    QSqlQuery prepare(const QString &sql);
    void execPrepared(QSqlQuery &query);

    // The books' tables, without SQLite's own (sqlite_sequence).
    QStringList tableNames() const;
    QStringList fieldNames(const QString &table) const;

    QSqlDatabase connection() const;
    sqlite3 *handle() const;

    void begin();
    void commit();
    void rollback();

private:
    void configure();
    [[noreturn]] void fail(const QString &text) const;

    QString m_name;
    QString m_folder;
};

// Commits only when told to; rolls back when left by an exception.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

} // namespace kalmira
