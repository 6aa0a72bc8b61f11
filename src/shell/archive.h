#pragma once

#include <QDate>
#include <QString>

namespace kalmira {

class Database;

// Writes every file of the data folder, subfolders included, into a ZIP at
// zipPath under paths relative to the folder. The open database goes in as a
// consistent snapshot taken with SQLite's backup API, so the connection stays
// usable. An existing file at zipPath is replaced only when the new archive is
// complete; a failure leaves no partial file and throws Error.
void writeArchive(Database &db, const QString &dataFolder, const QString &zipPath);

// "<AlapUtvonal>/Archiv/yyyymmdd.zip".
QString proposedArchivePath(QDate day);

// NoFolder: the archive folder could not be made, which also stops the
// program's close; Failed: writing the archive failed and was reported.
enum class ArchiveOutcome { Done, Cancelled, Failed, NoFolder };

// The archive command: proposes the day's file, asks where to save, writes
// the archive of Beall.Utvonal and records the day in Beall.MentesDatum.
ArchiveOutcome archiveDatabase(Database &db);

// Files of the data folder that belong to a running program, not to the books.
bool isTransientDataFile(const QString &relativePath);

} // namespace kalmira
