#include "foundation/database.h"
#include "foundation/new_database.h"
#include "foundation/password_hash.h"
#include "foundation/schema.h"
#include "support/test_env.h"

#include <QSqlRecord>
#include <QTest>

using namespace kalmira;

class TestSchemaStorage : public QObject
{
    Q_OBJECT

    QStringList column(Database &db, const QString &sql)
    {
        QStringList values;
        QSqlQuery query = db.exec(sql);
        while (query.next())
            values << query.value(0).toString();
        return values;
    }

    // The "detail" texts of SQLite's query plan.
    QString queryPlan(Database &db, const QString &sql)
    {
        QStringList details;
        QSqlQuery query = db.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        while (query.next())
            details << query.value(3).toString();
        return details.join(QLatin1Char(' '));
    }

private slots:
    void newDatabaseHasEveryTableFieldAndIndex()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);

        QCOMPARE(db.tableNames().size(), 10);
        int indexCount = 0;
        for (const schema::Table &table : schema::tables()) {
            QStringList expectedFields;
            for (const schema::Field &field : table.fields)
                expectedFields << field.name;
            QCOMPARE(column(db, QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table.name)),
                     expectedFields);

            QStringList expectedIndexes;
            for (const schema::Index &index : table.indexes)
                expectedIndexes << schema::storedIndexName(table, index);
            const QStringList stored = column(db, QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type='index' AND tbl_name='%1' "
                "AND sql IS NOT NULL ORDER BY rowid").arg(table.name));
            QCOMPARE(stored, expectedIndexes);
            indexCount += int(stored.size());
        }
        QCOMPARE(indexCount, 48);
        QVERIFY(db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='bevetel_idx_leiras'"))
                    .toString().contains(QStringLiteral("COLLATE HU_CI")));
        QVERIFY(!db.scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name='bevetel_idx_osszeg'"))
                     .toString().contains(QStringLiteral("COLLATE")));
    }

    void keysAreEnforced()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);
        db.exec(QStringLiteral("INSERT INTO ado (adotip, sorszam) VALUES (1, 1)"));
        db.exec(QStringLiteral("INSERT INTO ado (adotip, sorszam) VALUES (2, 1)"));
        QVERIFY_THROWS_EXCEPTION(Error, db.exec(QStringLiteral("INSERT INTO ado (adotip, sorszam) VALUES (1, 1)")));
        db.exec(QStringLiteral("INSERT INTO zaras VALUES ('20061')"));
        QVERIFY_THROWS_EXCEPTION(Error, db.exec(QStringLiteral("INSERT INTO zaras VALUES ('20061')")));
        QVERIFY_THROWS_EXCEPTION(Error, db.exec(QStringLiteral("INSERT INTO bevetel (leiras) VALUES ('kulcs nélkül')")));
        // The running number is not the rowid, so renumbering rewrites the
        // key's own index only, never the row's place in the other indexes.
        db.exec(QStringLiteral("INSERT INTO bevetel (bevetel) VALUES (7)"));
        db.exec(QStringLiteral("UPDATE bevetel SET bevetel = 6 WHERE bevetel = 7"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT rowid FROM bevetel WHERE bevetel = 6")).toInt(), 1);
    }

    void firstStartContent()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM beallit")).toInt(), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT vanbelep FROM beallit")).toString(), QStringLiteral("N"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT adotip_nev FROM adotip JOIN beallit ON adotip.adotip = beallit.eva"))
                     .toString(), QStringLiteral("EVA"));
        QVERIFY(db.scalar(QStringLiteral("SELECT COUNT(*) FROM jarulektip")).toInt() > 0);
        const QString hash = db.scalar(QStringLiteral("SELECT jelszo FROM felhasznalo WHERE felhasznalo='rendszergazda' "
                                                      "AND rendszergazda='I' AND torzsszerkeszt='I'")).toString();
        QVERIFY(verifyPassword(QStringLiteral("rendszergazda"), hash));
        QVERIFY(!verifyPassword(QStringLiteral("rossz"), hash));
    }

    void numberingQueriesOnEmptyTables()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);
        const QStringList statements{
            QStringLiteral("SELECT MAX(bevetel) AS maxbev FROM bevetel;"),
            QStringLiteral("SELECT MAX(kiadas) AS maxbev FROM kiadas;"),
            QStringLiteral("SELECT MAX(sorszam) AS maxsor FROM ado\nWHERE adotip=1;"),
            QStringLiteral("SELECT MAX(sorszam) AS maxsor FROM jarulek\nWHERE jarulektip=1;"),
            QStringLiteral("SELECT MAX(sorszam) AS ssz FROM ado WHERE adotip=1"),
        };
        for (const QString &sql : statements) {
            const QVariant max = db.scalar(sql);
            QVERIFY2(max.isNull(), qPrintable(sql));
        }
        db.exec(QStringLiteral("INSERT INTO ado (adotip, sorszam) VALUES (1, 4)"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT MAX(sorszam) AS maxsor FROM ado\nWHERE adotip=2;")).isNull(), true);
        QCOMPARE(db.scalar(QStringLiteral("SELECT MAX(sorszam) AS maxsor FROM ado\nWHERE adotip=1;")).toInt(), 4);
    }

    void textOrderIsHungarianAndIgnoresCase()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);
        QSqlQuery insert = db.prepare(QStringLiteral("INSERT INTO bevetel (bevetel, leiras) VALUES (:n, :leiras)"));
        const QStringList descriptions{QStringLiteral("csomag"), QStringLiteral("Árvíz"), QStringLiteral("cukor"),
                                       QStringLiteral("Zsír"), QStringLiteral("árvíz"), QStringLiteral("zab"),
                                       QStringLiteral("Bér")};
        int n = 0;
        for (const QString &leiras : descriptions) {
            insert.bindValue(QStringLiteral(":n"), ++n);
            insert.bindValue(QStringLiteral(":leiras"), leiras);
            db.execPrepared(insert);
        }
        const QStringList ordered = column(db, QStringLiteral("SELECT leiras FROM bevetel ORDER BY leiras COLLATE HU_CI, bevetel"));
        QCOMPARE(ordered, (QStringList{QStringLiteral("Árvíz"), QStringLiteral("árvíz"), QStringLiteral("Bér"),
                                       QStringLiteral("cukor"), QStringLiteral("csomag"), QStringLiteral("zab"),
                                       QStringLiteral("Zsír")}));
        // The index serves the ordering, so a big ledger sorts without a temporary B-tree.
        // The indexes serve the grid's orderings (ties in order of entry), so a
        // big ledger sorts without a temporary B-tree.
        for (const QString &order : {QStringLiteral("leiras COLLATE HU_CI, rowid"),
                                     QStringLiteral("lezarva COLLATE HU_CI DESC, rowid DESC"),
                                     QStringLiteral("osszeg, rowid"), QStringLiteral("bevetel")}) {
            const QString plan = queryPlan(db, QStringLiteral("SELECT * FROM bevetel ORDER BY ") + order);
            QVERIFY2(plan.contains(QStringLiteral("INDEX")), qPrintable(order + QStringLiteral(": ") + plan));
            QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(order + QStringLiteral(": ") + plan));
        }
        // Equality stays exact.
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM bevetel WHERE leiras=:l"),
                           {{QStringLiteral("l"), QStringLiteral("árvíz")}}).toInt(), 1);
    }

    void transactionRollsBackWhenLeftByException()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        db.open(env.dataFolder(), Database::Missing::Create);
        try {
            Transaction transaction(db);
            db.exec(QStringLiteral("INSERT INTO zaras VALUES ('20061')"));
            db.exec(QStringLiteral("INSERT INTO nincs_ilyen VALUES (1)"));
            transaction.commit();
        } catch (const Error &error) {
            QVERIFY(error.text().contains(QStringLiteral("nincs_ilyen")));
        }
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM zaras")).toInt(), 0);
    }

    void connectionSettingsAndMissingDatabase()
    {
        test::TestEnv env;
        Database db(QStringLiteral("t"));
        QVERIFY_THROWS_EXCEPTION(Error, db.open(env.dataFolder(), Database::Missing::Fail));
        QVERIFY(!QFile::exists(env.dataFolder() + QStringLiteral("/kalmira.db")));
        db.open(env.dataFolder(), Database::Missing::Create);
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);
        QVERIFY(db.scalar(QStringLiteral("PRAGMA busy_timeout")).toInt() >= 1000);
        db.close();
        db.open(env.dataFolder(), Database::Missing::Fail); // registers HU_CI again
        QCOMPARE(db.scalar(QStringLiteral("SELECT 'a' < 'B' COLLATE HU_CI")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSchemaStorage)
#include "test_schema_storage.moc"
