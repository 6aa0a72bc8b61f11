#include "foundation/database.h"

#include "foundation/hu_collation.h"
#include "foundation/new_database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

namespace kalmira {
namespace {

QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

} // namespace

Database::Database(const QString &connectionName) : m_name(connectionName) {}

Database::~Database()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

QString Database::filePath() const
{
    return QDir(m_folder).filePath(QString::fromLatin1(FileName));
}

void Database::open(const QString &folder, Missing missing)
{
    close();
    m_folder = QDir::cleanPath(folder);
    const bool exists = QFileInfo::exists(filePath());
    if (!exists) {
        if (missing == Missing::Fail)
            fail(QStringLiteral("Az adatbázis nem található: %1").arg(QDir::toNativeSeparators(filePath())));
        if (!QDir().mkpath(m_folder))
            fail(QStringLiteral("Az adatbázis mappa nem hozható létre: %1").arg(QDir::toNativeSeparators(m_folder)));
    }
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(filePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        fail(errorText(db.lastError()));
    configure();
    if (!exists)
        createNewDatabase(*this);
}

void Database::configure()
{
    if (!registerHuCollation(handle()))
        fail(QStringLiteral("A HU_CI rendezés nem regisztrálható."));
    // The rollback journal also works on a shared network folder, where WAL does not.
    exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen())
        db.close();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

sqlite3 *Database::handle() const
{
    const QVariant v = connection().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

void Database::fail(const QString &text) const
{
    throw Error(text);
}

QSqlQuery Database::prepare(const QString &sql)
{
    if (!isOpen())
        fail(QStringLiteral("Az adatbázis nincs megnyitva."));
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(errorText(query.lastError()));
    return query;
}

void Database::execPrepared(QSqlQuery &query)
{
    if (!query.exec())
        fail(errorText(query.lastError()));
}

QSqlQuery Database::exec(const QString &sql, const QVariantMap &params)
{
    QSqlQuery query = prepare(sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    execPrepared(query);
    return query;
}

QVariant Database::scalar(const QString &sql, const QVariantMap &params)
{
    QSqlQuery query = exec(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

QStringList Database::tableNames() const
{
    QStringList names = connection().tables(QSql::Tables);
    names.removeIf([](const QString &name) { return name.startsWith(QLatin1String("sqlite_")); });
    return names;
}

QStringList Database::fieldNames(const QString &table) const
{
    const QSqlRecord record = connection().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

void Database::begin()
{
    if (!connection().transaction())
        fail(errorText(connection().lastError()));
}

void Database::commit()
{
    if (!connection().commit())
        fail(errorText(connection().lastError()));
}

void Database::rollback()
{
    connection().rollback();
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}

} // namespace kalmira
