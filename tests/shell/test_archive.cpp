#include "foundation/beall.h"
#include "foundation/database.h"
#include "shell/archive.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>
#include <zip.h>

using namespace kalmira;
using test::readFile;
using test::writeFile;

namespace {

QMap<QString, QByteArray> readZip(const QString &path)
{
    QMap<QString, QByteArray> entries;
    int error = 0;
    zip_t *zip = zip_open(path.toUtf8().constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!zip)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, zip_uint64_t(i), 0, &stat);
        QByteArray data(qsizetype(stat.size), '\0');
        zip_file_t *file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        entries.insert(QString::fromUtf8(stat.name), data);
    }
    zip_close(zip);
    return entries;
}


} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

    struct Books
    {
        test::TestEnv env{QDate(2006, 5, 31)};
        Database db{QStringLiteral("Ostrel")};
        Books()
        {
            Beall.Utvonal = env.dataFolder();
            Beall.MentesDatum = QDate(2006, 5, 1);
            db.open(Beall.Utvonal, Database::Missing::Create);
            db.exec(QStringLiteral("INSERT INTO bevetel (bevetel, leiras, osszeg) VALUES (1, 'Számla', 1000)"));
        }
    };

private slots:
    void archiveHoldsEveryFileOfTheDataFolder()
    {
        Books books;
        writeFile(Beall.Utvonal + QStringLiteral("/jegyzet.txt"), "jegyzet");
        writeFile(Beall.Utvonal + QStringLiteral("/Mellekletek/2006/szamla.pdf"), "%PDF");
        test::ScriptedPrompt prompt;
        prompt.answer(proposedArchivePath(QDate(2006, 5, 31)));

        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Done);
        QCOMPARE(prompt.asked().first().kind, Ask::SaveFile);
        QCOMPARE(prompt.asked().first().caption, QStringLiteral("Adatbázis mentése"));
        QCOMPARE(prompt.asked().first().value.toString(), books.env.where().AlapUtvonal + QStringLiteral("/Archiv/20060531.zip"));
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 31));

        const auto entries = readZip(proposedArchivePath(QDate(2006, 5, 31)));
        QCOMPARE(entries.keys(), (QStringList{QStringLiteral("Mellekletek/2006/szamla.pdf"),
                                              QStringLiteral("jegyzet.txt"), QStringLiteral("kalmira.db")}));
        QCOMPARE(entries.value(QStringLiteral("Mellekletek/2006/szamla.pdf")), QByteArray("%PDF"));

        // The packed database is a complete copy, and the connection goes on working.
        Database copy(QStringLiteral("copy"));
        writeFile(books.env.path(QStringLiteral("copy/kalmira.db")), entries.value(QStringLiteral("kalmira.db")));
        copy.open(books.env.path(QStringLiteral("copy")));
        QCOMPARE(copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        QCOMPARE(copy.scalar(QStringLiteral("SELECT leiras FROM bevetel")).toString(), QStringLiteral("Számla"));
        books.db.exec(QStringLiteral("INSERT INTO bevetel (bevetel) VALUES (2)"));
    }

    void anotherProgramsUncommittedWorkStaysOut()
    {
        Books books;
        Database other(QStringLiteral("other"));
        other.open(Beall.Utvonal);
        other.begin();
        other.exec(QStringLiteral("INSERT INTO bevetel (bevetel) VALUES (99)"));
        const QString zipPath = books.env.path(QStringLiteral("a.zip"));
        writeArchive(books.db, Beall.Utvonal, zipPath);
        other.rollback();

        const auto entries = readZip(zipPath);
        QVERIFY(!entries.contains(QStringLiteral("kalmira.db-journal")));
        QDir().mkpath(books.env.path(QStringLiteral("copy")));
        writeFile(books.env.path(QStringLiteral("copy/kalmira.db")), entries.value(QStringLiteral("kalmira.db")));
        Database copy(QStringLiteral("copy"));
        copy.open(books.env.path(QStringLiteral("copy")));
        QCOMPARE(copy.scalar(QStringLiteral("SELECT COUNT(*) FROM bevetel")).toInt(), 1);
    }

    void archivingTwiceOnOneDayReplacesTheFirst()
    {
        Books books;
        const QString target = proposedArchivePath(QDate(2006, 5, 31));
        test::ScriptedPrompt prompt;
        prompt.answer(target).answer(target);
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Done);
        writeFile(Beall.Utvonal + QStringLiteral("/uj.txt"), "uj");
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Done);
        QCOMPARE(prompt.asked().at(0).value, prompt.asked().at(1).value);
        QVERIFY(readZip(target).contains(QStringLiteral("uj.txt")));
    }

    void cancelChangesNothing()
    {
        Books books;
        test::ScriptedPrompt prompt;
        prompt.cancel();
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Cancelled);
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 1));
        QVERIFY(QDir(books.env.where().archiveFolder()).isEmpty());
    }

    void failureLeavesNoZipAndKeepsTheDate()
    {
        Books books;
        const QString target = proposedArchivePath(QDate(2006, 5, 31));
        // A file that vanishes between listing and packing: a dangling link.
        QVERIFY(QFile::link(books.env.path(QStringLiteral("eltunt.txt")), Beall.Utvonal + QStringLiteral("/eltunt.txt")));
        test::ScriptedPrompt prompt;
        prompt.answer(target);
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Failed);
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 1));
        QCOMPARE(prompt.asked().last().kind, Ask::Hiba);
        QVERIFY(prompt.asked().last().text.startsWith(QStringLiteral("Hiba az archiválás közben\r\n")));
        QVERIFY(QDir(books.env.where().archiveFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());

        // An earlier archive of the day survives a failed one.
        QFile::remove(Beall.Utvonal + QStringLiteral("/eltunt.txt"));
        prompt.answer(target);
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Done);
        QVERIFY(QFile::link(books.env.path(QStringLiteral("eltunt.txt")), Beall.Utvonal + QStringLiteral("/eltunt.txt")));
        prompt.answer(target);
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::Failed);
        QVERIFY(readZip(target).contains(QStringLiteral("kalmira.db")));
    }

    void archiveFolderThatCannotBeMade()
    {
        Books books;
        writeFile(books.env.where().archiveFolder(), "egy fájl a mappa helyén");
        test::ScriptedPrompt prompt;
        QCOMPARE(archiveDatabase(books.db), ArchiveOutcome::NoFolder);
        QCOMPARE(prompt.asked().size(), 1);
        QCOMPARE(prompt.asked().first().kind, Ask::AppError);
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 1));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "test_archive.moc"
