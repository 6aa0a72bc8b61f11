#include "maintenance/integrity_check.h"

#include "foundation/error.h"
#include "foundation/hu_collation.h"

#include <QFile>

#include <sqlite3.h>

namespace kalmira {
namespace {

// Owns one raw connection for the length of the check.
class RawConnection
{
public:
    explicit RawConnection(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        m_rc = sqlite3_open_v2(name.constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~RawConnection() { sqlite3_close_v2(m_handle); }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;

    int openResult() const { return m_rc; }
    sqlite3 *handle() const { return m_handle; }
    QString errorText() const { return QString::fromUtf8(sqlite3_errmsg(m_handle)); }

private:
    sqlite3 *m_handle = nullptr;
    int m_rc = SQLITE_OK;
};

// The outcome of an SQLite result code that ended the check.
FileState stateOf(int rc, const RawConnection &connection)
{
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return FileState::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return FileState::Damaged;
    default:
        throw Error(connection.errorText());
    }
}

} // namespace

FileState checkDatabaseFile(const QString &path, int waitMs)
{
    RawConnection connection(path);
    if (connection.openResult() != SQLITE_OK)
        return stateOf(connection.openResult(), connection);
    // Comparing index keys needs the collation the text indexes are built with.
    if (!registerHuCollation(connection.handle()))
        throw Error(QStringLiteral("A HU_CI rendezés nem regisztrálható."));
    sqlite3_busy_timeout(connection.handle(), waitMs);

    sqlite3_stmt *statement = nullptr;
    int rc = sqlite3_prepare_v2(connection.handle(), "PRAGMA quick_check", -1, &statement, nullptr);
    if (rc != SQLITE_OK)
        return stateOf(rc, connection);
    bool sound = false;
    bool first = true;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
        sound = first && text && qstrcmp(text, "ok") == 0;
        first = false;
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        return stateOf(rc, connection);
    return sound ? FileState::Sound : FileState::Damaged;
}

} // namespace kalmira
