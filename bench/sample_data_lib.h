#pragma once

#include <QDate>
#include <QString>

namespace kalmira {
class Database;
}

namespace kalmira::bench {

// How many rows of each ledger a sample database gets. Rows are spread
// evenly over the days from firstDay on, one ledger after the other.
struct SampleSize
{
    qint64 income = 0;
    qint64 expense = 0;
    qint64 tax = 0;          // spread over the tax types of the new database
    qint64 contribution = 0; // spread over its contribution types
    QDate firstDay = QDate(2004, 1, 1);
    quint32 seed = 20060531;
};

// Adds realistic rows to an open database, each ledger with one prepared
// statement inside one transaction. Row numbers continue after the highest
// existing one.
void fillSampleData(Database &db, const SampleSize &size);

// Creates <folder>/kalmira.db as a new installation and fills it; throws
// Error when the folder already holds a database.
void createSampleDatabase(const QString &folder, const SampleSize &size);

} // namespace kalmira::bench
