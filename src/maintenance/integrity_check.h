#pragma once

#include <QString>

namespace kalmira {

enum class FileState
{
    Sound,   // the file's structure is intact
    Busy,    // another program is writing it
    Damaged, // pages or records are broken, or the file is no database at all
};

// Checks the structure of the database file on a connection of its own
// (SQLite's quick check: pages, b-trees, records). Whether the indexes agree
// with the rows is not asked: mending that is the rebuild's work. Waits up to
// waitMs for another program's write to end. Throws Error when the file
// cannot be read for another reason.
FileState checkDatabaseFile(const QString &path, int waitMs);

} // namespace kalmira
