// kalmira_renumber_bench <data folder> <number> [repeats]
// Times deleting one income row with the renumbering of every later row, on
// books the sample-data generator made. Each repeat works on a fresh copy of
// the database, so the books stay as they were; prints the median.
#include "foundation/database.h"
#include "ledgers/numbering.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 3) {
        out << "usage: kalmira_renumber_bench <data folder> <number> [repeats]" << Qt::endl;
        return 2;
    }
    const int number = QString::fromLocal8Bit(argv[2]).toInt();
    const int repeats = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 3;
    const QString source = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("kalmira.db"));
    int rows = 0;
    std::vector<double> seconds;
    for (int i = 0; i < repeats; ++i) {
        QTemporaryDir copy;
        QFile::copy(source, copy.filePath(QStringLiteral("kalmira.db")));
        kalmira::Database db(QStringLiteral("bench"));
        db.open(copy.path());
        rows = db.scalar(QStringLiteral("SELECT COUNT(*) FROM bevetel")).toInt();
        QElapsedTimer clock;
        clock.start();
        const auto outcome = kalmira::TorolEsSorszamoz(db, kalmira::NumberedTable::bevetel(), number);
        if (outcome != kalmira::DeleteOutcome::Deleted) {
            out << "row " << number << " was not deleted (closed or missing)" << Qt::endl;
            return 1;
        }
        seconds.push_back(clock.elapsed() / 1000.0);
    }
    std::sort(seconds.begin(), seconds.end());
    out << QString::asprintf("%d rows, delete %d (%d renumbered): median %.2f s over %d runs", rows,
                             number, rows - number, seconds[seconds.size() / 2], repeats)
        << Qt::endl;
    return 0;
}
