#include "maintenance_helpers.h"

#include "foundation/presence_mark.h"
#include "maintenance/maintenance_commands.h"
#include "maintenance/version_change.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace kalmira::test;

namespace {

const QString kDone = QStringLiteral("Verzióváltás kész");

QStringList fieldsOf(const QString &table)
{
    QStringList names;
    for (const schema::Field &field : schema::table(table).fields)
        names << field.name;
    return names;
}

// Replaces a table of the present layout by an older one: without some
// fields, optionally with its field names upper-cased.
void reshape(Database &db, const QString &name, const QStringList &without, bool upperCase = false)
{
    schema::Table table = schema::table(name);
    table.fields.removeIf([&](const schema::Field &f) { return without.contains(f.name); });
    table.indexes.removeIf([&](const schema::Index &i) { return without.contains(i.field); });
    if (upperCase) {
        for (schema::Field &field : table.fields)
            field.name = field.name.toUpper();
        for (QString &key : table.key)
            key = key.toUpper();
    }
    db.exec(QStringLiteral("DROP TABLE ") + name);
    db.exec(schema::createTableSql(table));
    for (const schema::Index &index : table.indexes)
        db.exec(schema::createIndexSql(table, index));
}

void addIncome(Database &db, int number, const QVariant &fizetve)
{
    const bool hasFlag = db.fieldNames(QStringLiteral("bevetel"))
                             .contains(QStringLiteral("fizetve"), Qt::CaseInsensitive);
    db.exec(
        QStringLiteral("INSERT INTO bevetel (bevetel, idoszak, negyedev, datum, leiras, osszeg%1) "
                       "VALUES (:n, '200301', '20031', '2003-01-15', 'Régi tétel', 1000%2)")
            .arg(hasFlag ? QStringLiteral(", fizetve") : QString(),
                 hasFlag ? QStringLiteral(", :f") : QString()),
        hasFlag ? QVariantMap{{QStringLiteral("n"), number}, {QStringLiteral("f"), fizetve}}
                : QVariantMap{{QStringLiteral("n"), number}});
}

QStringList flags(Database &db)
{
    QStringList values;
    QSqlQuery query = db.exec(QStringLiteral("SELECT fizetve FROM bevetel ORDER BY bevetel"));
    while (query.next())
        values << (query.value(0).isNull() ? QStringLiteral("NULL") : query.value(0).toString());
    return values;
}

// A database of the oldest layout: no kiadas, bevetel without its note and
// flag, tmp_nyereseg without expenses; three income rows.
void createOldestBooks(const QString &folder)
{
    Database db(QStringLiteral("Setup"));
    db.open(folder, Database::Missing::Create);
    db.exec(QStringLiteral("DROP TABLE kiadas"));
    reshape(db, QStringLiteral("bevetel"),
            {QStringLiteral("megjegyzes"), QStringLiteral("fizetve")});
    reshape(db, QStringLiteral("tmp_nyereseg"), {QStringLiteral("kiadas")});
    for (int n = 1; n <= 3; ++n)
        addIncome(db, n, {});
}

QString runCommand(const QString &folder, RecordingProgress &progress)
{
    ScriptedPrompt prompt;
    Database db(QStringLiteral("Tk5"));
    Verziovaltas(db, folder, progress);
    if (db.isOpen())
        return QStringLiteral("connection left open");
    return prompt.askedTexts().join(QStringLiteral("\n--\n"));
}

} // namespace

class TestVersionChange : public QObject
{
    Q_OBJECT

private slots:
    void oldestLayoutIsBroughtUpToDate();
    void flagsAreKeptWhenOnlyTheNoteIsMissing();
    void namesAreFoundInAnyLetterCase_data();
    void namesAreFoundInAnyLetterCase();
    void failedStepsAreNamedAndTheOthersRun();
    void unreadableTableUndoesTheCommand();
    void databaseInUseIsLeftAlone();
};

void TestVersionChange::oldestLayoutIsBroughtUpToDate()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    createOldestBooks(folder);

    RecordingProgress progress;
    QCOMPARE(runCommand(folder, progress), kDone);
    QCOMPARE(progress.events,
             (QStringList{"max 5", "status Táblák létrehozása", "step", "status Mezők ellenőrzése",
                          "step", "step", "step", "reset"}));
    QStringList schemaAfter;
    {
        Probe probe(folder);
        // The expense table exactly as the statement lays it down: key, no secondary index.
        QCOMPARE(
            probe.db()
                .scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='kiadas'"))
                .toString(),
            QStringLiteral(
                "CREATE TABLE kiadas(\r\n kiadas INT,\r\n idoszak CHAR(6),\r\n negyedev "
                "CHAR(5),\r\n"
                " datum DATE,\r\n bizonylat CHAR(25),\r\n leiras CHAR(50),\r\n osszeg FLOAT,\r\n"
                " lezarva CHAR(1),\r\n megjegyzes CHAR(50),\r\nPRIMARY KEY (kiadas))"));
        QCOMPARE(probe.db().fieldNames(QStringLiteral("kiadas")),
                 fieldsOf(QStringLiteral("kiadas")));
        QCOMPARE(probe.indexLayout().filter(QStringLiteral(" ON kiadas(")), QStringList());
        QCOMPARE(probe.db().fieldNames(QStringLiteral("bevetel")),
                 fieldsOf(QStringLiteral("bevetel")));
        QCOMPARE(probe.db().fieldNames(QStringLiteral("tmp_nyereseg")),
                 fieldsOf(QStringLiteral("tmp_nyereseg")));
        QCOMPARE(flags(probe.db()), (QStringList{"I", "I", "I"}));
        // A flag cleared after the change must survive a second run.
        probe.db().exec(QStringLiteral("UPDATE bevetel SET fizetve='N' WHERE bevetel=2"));
        schemaAfter = probe.schemaText();
    }

    progress.events.clear();
    QCOMPARE(runCommand(folder, progress), kDone);
    QCOMPARE(progress.events.count(QStringLiteral("step")), 4);
    {
        Probe probe(folder);
        QCOMPARE(probe.schemaText(), schemaAfter);
        QCOMPARE(flags(probe.db()), (QStringList{"I", "N", "I"}));
    }

    // The next rebuild gives the new table and fields their indexes.
    ScriptedPrompt prompt;
    Database db(QStringLiteral("Tk5"));
    Karbantartas(db, folder, progress);
    QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Indexek újraépítése kész.")});
    QCOMPARE(Probe(folder).indexLayout(), describedIndexLayout());
}

void TestVersionChange::flagsAreKeptWhenOnlyTheNoteIsMissing()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    {
        Database db(QStringLiteral("Setup"));
        db.open(folder, Database::Missing::Create);
        reshape(db, QStringLiteral("bevetel"), {QStringLiteral("megjegyzes")});
        addIncome(db, 1, QStringLiteral("I"));
        addIncome(db, 2, QStringLiteral("N"));
        addIncome(db, 3, {});
    }
    RecordingProgress progress;
    QCOMPARE(runCommand(folder, progress), kDone);
    Probe probe(folder);
    QStringList expected = fieldsOf(QStringLiteral("bevetel"));
    expected.move(expected.indexOf(QStringLiteral("megjegyzes")),
                  expected.size() - 1); // added at the end
    QCOMPARE(probe.db().fieldNames(QStringLiteral("bevetel")), expected);
    QCOMPARE(flags(probe.db()), (QStringList{"I", "N", "NULL"}));
}

void TestVersionChange::namesAreFoundInAnyLetterCase_data()
{
    QTest::addColumn<bool>("upperCase");
    QTest::newRow("as created") << false;
    QTest::newRow("upper case") << true;
}

void TestVersionChange::namesAreFoundInAnyLetterCase()
{
    QFETCH(bool, upperCase);
    TestEnv env;
    const QString folder = env.dataFolder();
    Database db(QStringLiteral("Tk5"));
    db.open(folder, Database::Missing::Create);
    if (upperCase) {
        db.exec(QStringLiteral("ALTER TABLE kiadas RENAME TO kiadas_regi"));
        db.exec(QStringLiteral("ALTER TABLE kiadas_regi RENAME TO KIADAS"));
        reshape(db, QStringLiteral("bevetel"), {}, true);
        reshape(db, QStringLiteral("tmp_nyereseg"), {}, true);
        QVERIFY(db.fieldNames(QStringLiteral("bevetel")).contains(QStringLiteral("FIZETVE")));
        QVERIFY(db.tableNames().contains(QStringLiteral("KIADAS")));
    }
    RecordingProgress progress;
    Transaction transaction(db);
    const VersionChangeResult result = changeVersion(db, progress);
    QCOMPARE(result.executed, QList<int>());
    QCOMPARE(progress.events.count(QStringLiteral("step")), 4);
}

void TestVersionChange::failedStepsAreNamedAndTheOthersRun()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    {
        Database db(QStringLiteral("Setup"));
        db.open(folder, Database::Missing::Create);
        db.exec(QStringLiteral("DROP TABLE kiadas"));
        reshape(db, QStringLiteral("tmp_nyereseg"), {QStringLiteral("kiadas")});
        // An income ledger that can be read but not altered.
        db.exec(QStringLiteral("ALTER TABLE bevetel RENAME TO bevetel_regi"));
        db.exec(QStringLiteral(
            "CREATE VIEW bevetel AS SELECT bevetel, datum, osszeg FROM bevetel_regi"));
    }
    RecordingProgress progress;
    const QStringList lines = runCommand(folder, progress).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.mid(0, 3),
             (QStringList{kDone, QString(), "A következő lépések nem sikerültek:"}));
    QVERIFY2(
        lines[3].startsWith(QStringLiteral("2. a megjegyzes mező felvétele a bevetel táblába: ")),
        qPrintable(lines[3]));
    QVERIFY2(lines[4].startsWith(QStringLiteral("3. a fizetve mező felvétele a bevetel táblába: ")),
             qPrintable(lines[4]));
    QVERIFY2(lines[5].startsWith(QStringLiteral("4. a bevételek fizetve jelzőjének kitöltése: ")),
             qPrintable(lines[5]));
    QVERIFY2(lines[5].contains(QStringLiteral("view")),
             qPrintable(lines[5])); // the storage's own text

    Probe probe(folder);
    QVERIFY(probe.db().tableNames().contains(QStringLiteral("kiadas")));
    QCOMPARE(probe.db().fieldNames(QStringLiteral("tmp_nyereseg")),
             fieldsOf(QStringLiteral("tmp_nyereseg")));
}

void TestVersionChange::unreadableTableUndoesTheCommand()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    {
        Database db(QStringLiteral("Setup"));
        db.open(folder, Database::Missing::Create);
        db.exec(QStringLiteral("DROP TABLE kiadas"));
        db.exec(QStringLiteral("DROP TABLE tmp_nyereseg"));
    }
    ScriptedPrompt prompt;
    RecordingProgress progress;
    Database db(QStringLiteral("Tk5"));
    try {
        Verziovaltas(db, folder, progress);
        QFAIL("a missing tmp_nyereseg must end the command");
    } catch (const Error &error) {
        QCOMPARE(error.text(), QStringLiteral("no such table: tmp_nyereseg"));
    }
    db.close();
    QCOMPARE(prompt.askedTexts(), QStringList());
    QVERIFY(!progress.events.contains(QStringLiteral("reset")));
    Probe probe(folder);
    QVERIFY(!probe.db().tableNames().contains(QStringLiteral("kiadas")));
}

void TestVersionChange::databaseInUseIsLeftAlone()
{
    TestEnv env;
    const QString folder = env.dataFolder();
    createOldestBooks(folder);
    const QByteArray before = fileHash(databaseFile(folder));
    PresenceMark mark;
    QVERIFY(mark.place(folder));
    RecordingProgress progress;
    QCOMPARE(runCommand(folder, progress),
             QStringLiteral("A következő file nem törölhető, valószínüleg használatban van:\r\n") +
                 QDir::toNativeSeparators(databaseFile(folder)));
    QCOMPARE(fileHash(databaseFile(folder)), before);
}

QTEST_GUILESS_MAIN(TestVersionChange)
#include "test_version_change.moc"
