// kalmira_sample_data <folder> <income rows> [--expense N] [--tax N] [--contribution N]
//                     [--from yyyy-MM-dd] [--seed N]
// Creates a new database in <folder> and fills its ledgers with realistic rows.
#include "sample_data_lib.h"

#include "foundation/error.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr)
        << "usage: kalmira_sample_data <folder> <income rows> [--expense N] [--tax N]"
           " [--contribution N] [--from yyyy-MM-dd] [--seed N]\n";
    return 2;
}

bool readCount(const QString &text, qint64 &value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2 || args.size() % 2 != 0)
        return usage();
    kalmira::bench::SampleSize size;
    if (!readCount(args[1], size.income))
        return usage();
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        const QString &option = args[i];
        const QString &value = args[i + 1];
        qint64 number = 0;
        if (option == QLatin1String("--from")) {
            size.firstDay = QDate::fromString(value, Qt::ISODate);
            if (!size.firstDay.isValid())
                return usage();
            continue;
        }
        if (!readCount(value, number))
            return usage();
        if (option == QLatin1String("--expense"))
            size.expense = number;
        else if (option == QLatin1String("--tax"))
            size.tax = number;
        else if (option == QLatin1String("--contribution"))
            size.contribution = number;
        else if (option == QLatin1String("--seed"))
            size.seed = quint32(number);
        else
            return usage();
    }
    QElapsedTimer timer;
    timer.start();
    try {
        kalmira::bench::createSampleDatabase(args[0], size);
    } catch (const kalmira::Error &error) {
        QTextStream(stderr) << error.text() << '\n';
        return 1;
    }
    QTextStream(stdout) << "income " << size.income << ", expense " << size.expense << ", tax "
                        << size.tax << ", contribution " << size.contribution << " rows in "
                        << timer.elapsed() << " ms\n";
    return 0;
}
