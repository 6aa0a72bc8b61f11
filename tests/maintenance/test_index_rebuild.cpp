#include "maintenance_helpers.h"

#include "foundation/presence_mark.h"
#include "maintenance/index_rebuild.h"
#include "maintenance/maintenance_commands.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace kalmira::test;

namespace {

const QString kDone = QStringLiteral("Indexek újraépítése kész.");

// A new installation's database with rows in every ledger.
void createBooks(const QString &folder)
{
    Database db(QStringLiteral("Setup"));
    db.open(folder, Database::Missing::Create);
    Transaction transaction(db);
    const QStringList texts = {QStringLiteral("Árvíz"), QStringLiteral("árvíz"),
                               QStringLiteral("cukor"), QStringLiteral("csengő"),
                               QStringLiteral("Zab"),   QString()};
    for (int i = 1; i <= 300; ++i) {
        const QDate day = QDate(2005, 1, 1).addDays(i);
        db.exec(QStringLiteral("INSERT INTO bevetel VALUES (:n, :i, :q, :d, :b, :l, :o, 0, 0, :o, "
                               ":e, 'N', :m, :f)"),
                {{QStringLiteral("n"), i},
                 {QStringLiteral("i"), day.toString(QStringLiteral("yyyyMM"))},
                 {QStringLiteral("q"), QStringLiteral("2005%1").arg((day.month() - 1) / 3 + 1)},
                 {QStringLiteral("d"), day.toString(Qt::ISODate)},
                 {QStringLiteral("b"), QStringLiteral("B%1").arg(i)},
                 {QStringLiteral("l"), texts[i % texts.size()]},
                 {QStringLiteral("o"), i * 1000.5},
                 {QStringLiteral("e"), i * 150.075},
                 {QStringLiteral("m"), texts[(i + 1) % texts.size()]},
                 {QStringLiteral("f"), i % 7 ? QVariant(QStringLiteral("I")) : QVariant()}});
        db.exec(QStringLiteral("INSERT INTO kiadas VALUES (:n, '200501', '20051', '2005-01-10', "
                               ":b, :l, :o, 'N', NULL)"),
                {{QStringLiteral("n"), i},
                 {QStringLiteral("b"), QStringLiteral("K%1").arg(i)},
                 {QStringLiteral("l"), texts[i % texts.size()]},
                 {QStringLiteral("o"), i * 10.0}});
        db.exec(QStringLiteral("INSERT INTO ado (adotip, sorszam, idoszak, adoalap, mertek) VALUES "
                               "(:t, :n, '200501', :a, 15)"),
                {{QStringLiteral("t"), 1 + i % 3},
                 {QStringLiteral("n"), i},
                 {QStringLiteral("a"), i * 99.0}});
    }
    db.exec(QStringLiteral("INSERT INTO zaras VALUES ('20051')"));
    transaction.commit();
}

// Indexes dropped, renamed, on the wrong field, without their collation, and
// one whose content no longer matches its declaration.
void damageIndexes(const QString &folder)
{
    {
        Database db(QStringLiteral("Damage"));
        db.open(folder);
        for (const char *sql :
             {"DROP INDEX bevetel_idx_datum", "DROP INDEX bevetel_idx_fizetve",
              "DROP INDEX ado_idx_mertek", "CREATE INDEX ado_regi_mertek ON ado(mertek)",
              "DROP INDEX kiadas_idx_leiras", "CREATE INDEX kiadas_idx_leiras ON kiadas(leiras)",
              "DROP INDEX felhasznalo_idx_rendszergazda",
              "CREATE UNIQUE INDEX felhasznalo_idx_rendszergazda ON felhasznalo(felhasznalo_nev)",
              "PRAGMA writable_schema=ON",
              "UPDATE sqlite_master SET sql='CREATE INDEX bevetel_idx_osszeg ON bevetel "
              "(adoeloleg)' "
              "WHERE name='bevetel_idx_osszeg'"})
            db.exec(QString::fromLatin1(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("Damage"));
}

} // namespace

class TestIndexRebuild : public QObject
{
    Q_OBJECT

private slots:
    void planRunsThroughEveryTableByName();
    void rebuildRestoresEveryIndexAndKeepsRows();
    void failureStaysWithItsTable();
    void databaseInUseIsLeftAlone_data();
    void databaseInUseIsLeftAlone();
    void damagedDatabaseIsLeftAlone();
    void pathRules_data();
    void pathRules();
};

void TestIndexRebuild::planRunsThroughEveryTableByName()
{
    QStringList names;
    for (const schema::Table *table : rebuildPlan())
        names << table->name;
    QCOMPARE(names, (QStringList{"ado", "adotip", "beallit", "bevetel", "felhasznalo", "jarulek",
                                 "jarulektip", "kiadas", "tmp_nyereseg", "zaras"}));
}

void TestIndexRebuild::rebuildRestoresEveryIndexAndKeepsRows()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    createBooks(folder);
    damageIndexes(folder);
    QStringList rowsBefore;
    {
        Probe probe(folder);
        rowsBefore = probe.rows();
        QVERIFY2(probe.integrity() != QLatin1String("ok"), "the fixture's index should be damaged");
        QVERIFY(probe.indexLayout() != describedIndexLayout());
    }
    QCOMPARE(rowsBefore.size(),
             300 * 3 + 1 + 3 + 4 + 1 + 1); // ledgers, zaras, types, beallit, admin

    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, folder, progress);
    QCOMPARE(prompt.askedTexts(), QStringList{kDone});
    QVERIFY(!db.isOpen());

    QStringList expectedEvents{QStringLiteral("max 11")};
    for (const schema::Table *table : rebuildPlan())
        expectedEvents << QStringLiteral("step")
                       << QStringLiteral("status Index készítés: ") + table->name;
    expectedEvents << QStringLiteral("status Adatbázis tömörítése") << QStringLiteral("reset");
    QCOMPARE(progress.events, expectedEvents);

    QStringList schemaAfter;
    {
        Probe probe(folder);
        const QStringList layout = probe.indexLayout();
        QCOMPARE(layout, describedIndexLayout());
        QCOMPARE(layout.size(), 48);
        QVERIFY(layout.contains(QStringLiteral("bevetel_idx_leiras ON bevetel(leiras HU_CI)")));
        QVERIFY(layout.contains(QStringLiteral("kiadas_idx_leiras ON kiadas(leiras HU_CI)")));
        QVERIFY(layout.contains(QStringLiteral("ado_idx_mertek ON ado(mertek BINARY)")));
        QVERIFY(layout.contains(
            QStringLiteral("felhasznalo_idx_rendszergazda ON felhasznalo(rendszergazda HU_CI)")));
        QCOMPARE(probe.integrity(), QStringLiteral("ok"));
        QCOMPARE(probe.rows(), rowsBefore);
        // The rebuilt text index orders in Hungarian, ignoring case.
        QSqlQuery ordered = probe.db().exec(QStringLiteral(
            "SELECT DISTINCT leiras FROM bevetel INDEXED BY bevetel_idx_leiras WHERE leiras > ''"));
        QStringList order;
        while (ordered.next())
            order << ordered.value(0).toString();
        QCOMPARE(order.mid(0, 2).join(QLatin1Char(',')).toLower(), QStringLiteral("árvíz,árvíz"));
        QCOMPARE(order.mid(2), (QStringList{"cukor", "csengő", "Zab"}));
        schemaAfter = probe.schemaText();
    }

    // A second run finds nothing to change.
    prompt.clear();
    Karbantartas(db, folder + QLatin1Char('/'), progress);
    QCOMPARE(prompt.askedTexts(), QStringList{kDone});
    Probe probe(folder);
    QCOMPARE(probe.schemaText(), schemaAfter);
    QCOMPARE(probe.rows(), rowsBefore);
}

void TestIndexRebuild::failureStaysWithItsTable()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    createBooks(folder);
    QStringList adoBefore;
    {
        Probe probe(folder);
        // ado's index name is taken by an index of kiadas, and zaras is gone.
        for (const char *sql :
             {"DROP INDEX ado_idx_mertek", "CREATE INDEX ado_idx_mertek ON kiadas(osszeg)",
              "CREATE INDEX ado_regi ON ado(csokkento)", "DROP INDEX bevetel_idx_datum",
              "DROP TABLE zaras"})
            probe.db().exec(QString::fromLatin1(sql));
        adoBefore = probe.indexLayout().filter(QStringLiteral(" ON ado("));
    }

    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, folder, progress);
    QCOMPARE(
        prompt.askedTexts(),
        (QStringList{QStringLiteral("Ismeretlen hiba: ado\r\nindex ado_idx_mertek already exists"),
                     QStringLiteral("Ismeretlen hiba: zaras\r\nno such table: zaras"), kDone}));

    Probe probe(folder);
    const QStringList layout = probe.indexLayout();
    QCOMPARE(layout.filter(QStringLiteral(" ON ado(")), adoBefore); // as it was, ado_regi included
    QVERIFY(layout.contains(QStringLiteral("bevetel_idx_datum ON bevetel(datum BINARY)")));
    QVERIFY(!layout.contains(QStringLiteral("ado_idx_mertek ON kiadas(osszeg BINARY)")));
    QCOMPARE(layout.filter(QStringLiteral(" ON kiadas(")).size(), 6);
}

void TestIndexRebuild::databaseInUseIsLeftAlone_data()
{
    QTest::addColumn<QString>("holder");
    QTest::newRow("a running Kalmira's mark") << "mark";
    QTest::newRow("another connection writing") << "writer";
}

void TestIndexRebuild::databaseInUseIsLeftAlone()
{
    QFETCH(QString, holder);
    TestEnv env;
    const QString folder = env.dataFolder();
    createBooks(folder);
    {
        Probe probe(folder);
        probe.db().exec(QStringLiteral("DROP INDEX bevetel_idx_datum"));
    }
    const QByteArray before = fileHash(databaseFile(folder));

    PresenceMark mark;
    QSqlDatabase writer =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Writer"));
    if (holder == QLatin1String("mark")) {
        QVERIFY(mark.place(folder));
    } else {
        writer.setDatabaseName(databaseFile(folder));
        QVERIFY(writer.open());
        QVERIFY(QSqlQuery(writer).exec(QStringLiteral("BEGIN IMMEDIATE")));
    }

    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, folder, progress);
    QCOMPARE(prompt.askedTexts(),
             QStringList{QStringLiteral(
                             "A következő file nem törölhető, valószínüleg használatban van:\r\n") +
                         QDir::toNativeSeparators(databaseFile(folder))});
    QVERIFY(progress.events.isEmpty());
    QVERIFY(!db.isOpen());

    if (writer.isOpen())
        QSqlQuery(writer).exec(QStringLiteral("ROLLBACK"));
    writer.close();
    writer = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("Writer"));
    QCOMPARE(fileHash(databaseFile(folder)), before);

    // Once the other program is gone, the command runs.
    mark.remove();
    prompt.clear();
    Karbantartas(db, folder, progress);
    QCOMPARE(prompt.askedTexts(), QStringList{kDone});
}

void TestIndexRebuild::damagedDatabaseIsLeftAlone()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    createBooks(folder);
    qint64 rootPage = 0;
    {
        Probe probe(folder);
        rootPage =
            probe.db()
                .scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name='bevetel'"))
                .toLongLong();
        QVERIFY(rootPage > 1);
    }
    {
        QFile file(databaseFile(folder));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((rootPage - 1) * 4096));
        file.write(QByteArray(64, '\xff'));
    }
    const QByteArray before = fileHash(databaseFile(folder));

    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, folder, progress);
    QCOMPARE(prompt.askedTexts(),
             QStringList{
                 QStringLiteral("Az adatbázis sérült, ezért a karbantartás nem indult el:\r\n") +
                 QDir::toNativeSeparators(databaseFile(folder)) +
                 QStringLiteral("\r\n\r\nÁllítsa vissza az adatbázist a legutóbbi archívumból.")});
    QVERIFY(progress.events.isEmpty());
    QCOMPARE(fileHash(databaseFile(folder)), before);
}

void TestIndexRebuild::pathRules_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    const QString missing = QStringLiteral("Nem létező adatbázis mappa.");
    QTest::newRow("empty") << QString() << missing;
    QTest::newRow("missing folder") << "nincs" << missing;
    QTest::newRow("folder without database") << "ures" << missing;
    QTest::newRow("trailing slash") << "Data/" << kDone;
    QTest::newRow("trailing backslash") << "Data\\" << kDone;
}

void TestIndexRebuild::pathRules()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    TestEnv env;
    QVERIFY(QDir().mkpath(env.path(QStringLiteral("base/ures"))));
    createBooks(env.dataFolder());
    const QString typed = path.isEmpty() ? path : env.path(QStringLiteral("base/")) + path;

    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, typed, progress);
    QCOMPARE(prompt.askedTexts(), QStringList{message});
    QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("base/ures/kalmira.db"))));
    QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("base/nincs"))));
}

QTEST_GUILESS_MAIN(TestIndexRebuild)
#include "test_index_rebuild.moc"
