#include "shell/archive.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/locations.h"
#include "foundation/prompt.h"
#include "foundation/presence_mark.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <zip.h>

#include <memory>

namespace kalmira {
namespace {

const QString kDatabaseFile = QString::fromLatin1(Database::FileName);

// Copies the live database page by page into a file of its own.
void snapshotDatabase(Database &db, const QString &target)
{
    sqlite3 *copy = nullptr;
    const QByteArray path = target.toUtf8();
    if (sqlite3_open_v2(path.constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(copy));
        sqlite3_close(copy);
        throw Error(text);
    }
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> guard(copy, sqlite3_close);
    sqlite3_backup *backup = sqlite3_backup_init(copy, "main", db.handle(), "main");
    if (!backup)
        throw Error(QString::fromUtf8(sqlite3_errmsg(copy)));
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw Error(QString::fromUtf8(sqlite3_errstr(stepped)));
}

class ZipWriter
{
public:
    explicit ZipWriter(const QString &path)
    {
        int error = 0;
        m_zip = zip_open(path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!m_zip) {
            zip_error_t details;
            zip_error_init_with_code(&details, error);
            const QString text = QString::fromUtf8(zip_error_strerror(&details));
            zip_error_fini(&details);
            throw Error(text);
        }
    }
    ~ZipWriter()
    {
        if (m_zip)
            zip_discard(m_zip); // never closed: nothing is written
    }
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    void addFile(const QString &sourcePath, const QString &entryName)
    {
        zip_source_t *source = zip_source_file(m_zip, sourcePath.toUtf8().constData(), 0, -1);
        if (!source)
            fail(entryName);
        const zip_int64_t index = zip_file_add(m_zip, entryName.toUtf8().constData(), source,
                                               ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            fail(entryName);
        }
        zip_set_file_compression(m_zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
    }

    // Files are read here; libzip writes a temporary file and renames it.
    void close()
    {
        if (zip_close(m_zip) != 0)
            fail({});
        m_zip = nullptr;
    }

private:
    [[noreturn]] void fail(const QString &entryName)
    {
        QString text = QString::fromUtf8(zip_strerror(m_zip));
        if (!entryName.isEmpty())
            text = entryName + QStringLiteral(": ") + text;
        throw Error(text);
    }

    zip_t *m_zip = nullptr;
};

} // namespace

bool isTransientDataFile(const QString &relativePath)
{
    return relativePath == kDatabaseFile + QStringLiteral("-journal")
           || PresenceMark::isMarkFile(relativePath);
}

void writeArchive(Database &db, const QString &dataFolder, const QString &zipPath)
{
    const QDir folder(dataFolder);
    if (!folder.exists())
        throw Error(QStringLiteral("Nem létező adatbázis mappa: %1").arg(QDir::toNativeSeparators(dataFolder)));
    QTemporaryDir scratch;
    const bool snapshot = db.isOpen()
                          && QFileInfo(db.filePath()).canonicalFilePath()
                                 == QFileInfo(folder.filePath(kDatabaseFile)).canonicalFilePath();
    ZipWriter zip(zipPath);
    QDirIterator files(dataFolder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString entry = folder.relativeFilePath(path);
        if (isTransientDataFile(entry))
            continue;
        if (snapshot && entry == kDatabaseFile) {
            const QString copy = scratch.filePath(kDatabaseFile);
            snapshotDatabase(db, copy);
            zip.addFile(copy, entry);
        } else {
            zip.addFile(path, entry);
        }
    }
    zip.close();
}

QString proposedArchivePath(QDate day)
{
    return locations().archiveFolder() + QLatin1Char('/') + day.toString(QStringLiteral("yyyyMMdd"))
           + QStringLiteral(".zip");
}

ArchiveOutcome archiveDatabase(Database &db)
{
    const QString folder = locations().archiveFolder();
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        ErrorBox(QStringLiteral("Nem hozható létre a mappa: %1").arg(QDir::toNativeSeparators(folder)));
        return ArchiveOutcome::NoFolder;
    }
    const QDate today = Clock::today();
    const auto target = SaveFileName(QStringLiteral("Adatbázis mentése"),
                                     QStringLiteral("ZIP archívumok (*.zip)|*.zip"),
                                     QStringLiteral("zip"), proposedArchivePath(today));
    if (!target)
        return ArchiveOutcome::Cancelled;
    try {
        writeArchive(db, Beall.Utvonal, *target);
    } catch (const Error &error) {
        HibaBox(QStringLiteral("Hiba az archiválás közben\r\n") + error.text());
        return ArchiveOutcome::Failed;
    }
    Beall.MentesDatum = today;
    return ArchiveOutcome::Done;
}

} // namespace kalmira
