#include "maintenance/write_lock.h"

#include "foundation/database.h"

#include <sqlite3.h>

namespace kalmira {
namespace {

// Once the lock is held, commit and vacuum may wait this long for readers.
constexpr int kWorkWaitMs = 5000;

} // namespace

WriteLock::~WriteLock()
{
    if (m_held && m_db.isOpen())
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

bool WriteLock::acquire(int waitMs)
{
    sqlite3 *handle = m_db.handle();
    if (!handle)
        throw Error(QStringLiteral("Az adatbázis nincs megnyitva."));
    sqlite3_busy_timeout(handle, waitMs);
    // BEGIN IMMEDIATE takes the write lock now rather than at the first change.
    const int rc = sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(handle, kWorkWaitMs);
    if (rc == SQLITE_OK) {
        m_held = true;
        return true;
    }
    if ((rc & 0xff) == SQLITE_BUSY)
        return false;
    throw Error(QString::fromUtf8(sqlite3_errmsg(handle)));
}

void WriteLock::commit()
{
    sqlite3 *handle = m_db.handle();
    if (sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        throw Error(QString::fromUtf8(sqlite3_errmsg(handle)));
    m_held = false;
}

std::optional<QString> runInSavepoint(Database &db, const std::function<void()> &step)
{
    db.exec(QStringLiteral("SAVEPOINT maintenance_step"));
    try {
        step();
    } catch (const Error &error) {
        db.exec(QStringLiteral("ROLLBACK TO maintenance_step"));
        db.exec(QStringLiteral("RELEASE maintenance_step"));
        return error.text();
    }
    db.exec(QStringLiteral("RELEASE maintenance_step"));
    return std::nullopt;
}

} // namespace kalmira
