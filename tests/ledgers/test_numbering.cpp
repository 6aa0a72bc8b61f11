#include "books_fixture.h"
#include "foundation/database.h"
#include "ledgers/numbering.h"
#include "ledgers/quarters.h"

#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

class TestNumbering : public QObject, test::BooksFixture
{
    Q_OBJECT

    // Income rows numbered as given, each described "r<number>" so that a
    // row can be followed through a renumbering.
    void addIncome(QList<int> numbers, const QString &closed = QStringLiteral("N"))
    {
        for (int n : numbers)
            db->exec(QStringLiteral(
                         "INSERT INTO bevetel (bevetel, leiras, lezarva) VALUES (:n, :l, :z)"),
                     {{u"n"_s, n}, {u"l"_s, QStringLiteral("r%1").arg(n)}, {u"z"_s, closed}});
    }
    // "number:description" of every row, in number order.
    QStringList rows(const QString &table, const QString &numberField, const QString &where = {})
    {
        QSqlQuery q = db->exec(QStringLiteral("SELECT %1, leiras FROM %2 %3 ORDER BY %1")
                                   .arg(numberField, table, where));
        QStringList out;
        while (q.next())
            out << q.value(0).toString() + QLatin1Char(':') + q.value(1).toString();
        return out;
    }
    QStringList incomeRows() { return rows(QStringLiteral("bevetel"), QStringLiteral("bevetel")); }

private Q_SLOTS:
    void init() { openBooks(QStringLiteral("numbering")); }
    void cleanup() { closeBooks(); }

    void nextNumberStartsAtOneAndFollowsTheHighest()
    {
        QCOMPARE(KovetkezoBevetel(*db), 1);
        QCOMPARE(KovetkezoKiadas(*db), 1);
        addIncome({1, 2, 7});
        QCOMPARE(KovetkezoBevetel(*db), 8);
        db->exec(QStringLiteral("INSERT INTO kiadas (kiadas) VALUES (4)"));
        QCOMPARE(KovetkezoKiadas(*db), 5);
    }

    void obligationNumbersCountPerType()
    {
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("ado"), 1), 1);
        db->exec(QStringLiteral("INSERT INTO ado (adotip, sorszam) VALUES (1, 1), (1, 2), (2, 1)"));
        db->exec(QStringLiteral("INSERT INTO jarulek (jarulektip, sorszam) VALUES (3, 5)"));
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("ado"), 1), 3);
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("ado"), 2), 2);
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("ado"), 3), 1);
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("jarulek"), 3), 6);
        QCOMPARE(KovetkezoSorszam(*db, QStringLiteral("jarulek"), 1), 1);
    }

    void deleteRenumbersTheRowsAfter_data()
    {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("middle") << 3 << QStringList{u"1:r1"_s, u"2:r2"_s, u"3:r4"_s, u"4:r5"_s};
        QTest::newRow("first") << 1 << QStringList{u"1:r2"_s, u"2:r3"_s, u"3:r4"_s, u"4:r5"_s};
        QTest::newRow("last renumbers nothing")
            << 5 << QStringList{u"1:r1"_s, u"2:r2"_s, u"3:r3"_s, u"4:r4"_s};
    }
    void deleteRenumbersTheRowsAfter()
    {
        QFETCH(int, deleted);
        QFETCH(QStringList, expected);
        addIncome({1, 2, 3, 4, 5});
        QCOMPARE(TorolEsSorszamoz(*db, NumberedTable::bevetel(), deleted), DeleteOutcome::Deleted);
        QCOMPARE(incomeRows(), expected);
        QCOMPARE(KovetkezoBevetel(*db), 5);
    }

    void expenseDeleteRenumbers()
    {
        db->exec(
            QStringLiteral("INSERT INTO kiadas (kiadas, leiras) VALUES (1,'a'), (2,'b'), (3,'c')"));
        QCOMPARE(TorolEsSorszamoz(*db, NumberedTable::kiadas(), 2), DeleteOutcome::Deleted);
        QCOMPARE(rows(QStringLiteral("kiadas"), QStringLiteral("kiadas")),
                 (QStringList{u"1:a"_s, u"2:c"_s}));
    }

    void closedOrMissingRowsAreLeftAlone()
    {
        addIncome({1, 2});
        addIncome({3}, QStringLiteral("I"));
        const QStringList before = incomeRows();
        QVERIFY(SorLezarva(*db, NumberedTable::bevetel(), 3));
        QVERIFY(!SorLezarva(*db, NumberedTable::bevetel(), 2));
        QCOMPARE(TorolEsSorszamoz(*db, NumberedTable::bevetel(), 3), DeleteOutcome::Closed);
        QCOMPARE(TorolEsSorszamoz(*db, NumberedTable::bevetel(), 9), DeleteOutcome::Missing);
        QCOMPARE(incomeRows(), before);
    }

    void obligationDeleteStaysWithinItsType()
    {
        db->exec(
            QStringLiteral("INSERT INTO ado (adotip, sorszam, idoszak) VALUES "
                           "(1,1,'a'), (1,2,'b'), (1,3,'c'), (2,1,'x'), (2,2,'y'), (2,3,'z')"));
        QCOMPARE(TorolEsSorszamoz(*db, NumberedTable::ado(1), 1), DeleteOutcome::Deleted);
        QSqlQuery q =
            db->exec(QStringLiteral("SELECT adotip, sorszam, idoszak FROM ado ORDER BY 1, 2"));
        QStringList got;
        while (q.next())
            got << QStringLiteral("%1/%2:%3")
                       .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        QCOMPARE(got, (QStringList{u"1/1:b"_s, u"1/2:c"_s, u"2/1:x"_s, u"2/2:y"_s, u"2/3:z"_s}));
    }

    void failedRenumberingLeavesTheBooksAsTheyWere()
    {
        // A stray row numbered -4 is where row 5 passes on its way to 4.
        addIncome({1, 2, 3, 4, 5, -4});
        const QStringList before = incomeRows();
        QVERIFY_THROWS_EXCEPTION(Error, TorolEsSorszamoz(*db, NumberedTable::bevetel(), 3));
        QCOMPARE(incomeRows(), before);
    }

    void closedQuarterIsAnExactMatch()
    {
        db->exec(QStringLiteral("INSERT INTO zaras (negyedev) VALUES ('20062')"));
        QVERIFY(NegyedevLezarva(*db, QStringLiteral("20062")));
        QVERIFY(!NegyedevLezarva(*db, QStringLiteral("20061")));
        QVERIFY(!NegyedevLezarva(*db, QStringLiteral("2006")));
        QVERIFY(!NegyedevLezarva(*db, QStringLiteral("20062 ")));
    }
};

QTEST_GUILESS_MAIN(TestNumbering)
#include "test_numbering.moc"
