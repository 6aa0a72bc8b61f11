#include "maintenance/maintenance_commands.h"

#include "foundation/database.h"
#include "foundation/presence_mark.h"
#include "foundation/prompt.h"
#include "maintenance/data_folder.h"
#include "maintenance/index_rebuild.h"
#include "maintenance/integrity_check.h"
#include "maintenance/maintenance_progress.h"
#include "maintenance/version_change.h"
#include "maintenance/write_lock.h"

#include <QDir>
#include <QElapsedTimer>

#include <sqlite3.h>

namespace kalmira {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Lets the window repaint while one long statement (an index over a large
// ledger, the compaction) runs.
class StatementWatch
{
public:
    StatementWatch(Database &db, MaintenanceProgress &progress)
        : m_db(db), m_handle(db.handle()), m_progress(progress)
    {
        m_since.start();
        sqlite3_progress_handler(m_handle, 20000, &StatementWatch::tick, this);
    }
    ~StatementWatch()
    {
        if (m_db.isOpen() && m_db.handle() == m_handle)
            sqlite3_progress_handler(m_handle, 0, nullptr, nullptr);
    }
    StatementWatch(const StatementWatch &) = delete;
    StatementWatch &operator=(const StatementWatch &) = delete;

private:
    static int tick(void *self)
    {
        auto *watch = static_cast<StatementWatch *>(self);
        if (watch->m_since.elapsed() >= 40) {
            watch->m_progress.keepAlive();
            watch->m_since.restart();
        }
        return 0; // go on
    }

    Database &m_db;
    sqlite3 *m_handle;
    MaintenanceProgress &m_progress;
    QElapsedTimer m_since;
};

QString inUseText(const QString &file)
{
    return QStringLiteral("A következő file nem törölhető, valószínüleg használatban van:") +
           kCrLf + QDir::toNativeSeparators(file);
}

QString damagedText(const QString &file)
{
    return QStringLiteral("Az adatbázis sérült, ezért a karbantartás nem indult el:") + kCrLf +
           QDir::toNativeSeparators(file) + kCrLf + kCrLf +
           QStringLiteral("Állítsa vissza az adatbázist a legutóbbi archívumból.");
}

// Opens the database and takes its write lock; false, after telling the user
// why, when the command cannot go on.
bool openForMaintenance(Database &db, const QString &pathText, WriteLock &lock)
{
    const std::optional<QString> folder = existingDataFolder(pathText);
    if (!folder) {
        HibaBox(QStringLiteral("Nem létező adatbázis mappa."));
        return false;
    }
    const QString file = QDir(*folder).filePath(QString::fromLatin1(Database::FileName));
    if (PresenceMark::folderInUse(*folder)) {
        HibaBox(inUseText(file));
        return false;
    }
    switch (checkDatabaseFile(file, InUseWaitMs)) {
    case FileState::Busy:
        HibaBox(inUseText(file));
        return false;
    case FileState::Damaged:
        HibaBox(damagedText(file));
        return false;
    case FileState::Sound:
        break;
    }
    db.open(*folder, Database::Missing::Fail);
    if (!lock.acquire(InUseWaitMs)) {
        db.close();
        HibaBox(inUseText(file));
        return false;
    }
    return true;
}

} // namespace

void Karbantartas(Database &db, const QString &pathText, MaintenanceProgress &progress)
{
    {
        WriteLock lock(db);
        if (!openForMaintenance(db, pathText, lock))
            return;
        StatementWatch watch(db, progress);
        const QList<const schema::Table *> plan = rebuildPlan();
        progress.setMaximum(int(plan.size()) + 1);
        for (const schema::Table *table : plan) {
            progress.stepIt();
            progress.setStatus(QStringLiteral("Index készítés: ") + table->name);
            if (const auto failure = runInSavepoint(db, [&] { rebuildTableIndexes(db, *table); }))
                HibaBox(QStringLiteral("Ismeretlen hiba: ") + table->name + kCrLf + *failure);
        }
        lock.commit();
        progress.setStatus(QStringLiteral("Adatbázis tömörítése"));
        db.exec(QStringLiteral("VACUUM"));
    }
    db.close();
    UzenetBox(QStringLiteral("Indexek újraépítése kész."));
    progress.reset();
}

void Verziovaltas(Database &db, const QString &pathText, MaintenanceProgress &progress)
{
    QString report;
    {
        WriteLock lock(db);
        if (!openForMaintenance(db, pathText, lock))
            return;
        const VersionChangeResult result = changeVersion(db, progress);
        lock.commit();
        report = versionChangeReport(result);
    }
    db.close();
    UzenetBox(report);
    progress.reset();
}

} // namespace kalmira
