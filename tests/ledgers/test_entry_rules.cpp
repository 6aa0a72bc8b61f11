#include "books_fixture.h"
#include "foundation/database.h"
#include "ledgers/bevetel_sor.h"
#include "ledgers/kiadas_sor.h"

#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kalmira::Osszeg)

class TestEntryRules : public QObject, test::BooksFixture
{
    Q_OBJECT

    void closeQuarter(const QString &negyedev)
    {
        db->exec(u"INSERT INTO zaras (negyedev) VALUES (:q)"_s, {{u"q"_s, negyedev}});
    }
    int rowsIn(const QString &table)
    {
        return db->scalar(u"SELECT COUNT(*) FROM "_s + table).toInt();
    }

private Q_SLOTS:
    void init() { openBooks(u"rules"_s); }
    void cleanup() { closeBooks(); }

    void newIncomeRowIsPostedWithItsCodesAndTax()
    {
        BevetelSor sor = UjBevetel(*db);
        QCOMPARE(sor.bevetel, 1);
        QCOMPARE(sor.datum, QDate(2006, 5, 31));
        QCOMPARE(sor.osszeg, Osszeg(0.0));
        QCOMPARE(sor.lezarva, u"N"_s);
        QCOMPARE(sor.fizetve, u"I"_s);
        sor.osszeg = 100000;
        sor.novelo = 5000;
        sor.csokkento = 20000;
        sor.leiras = u"Számla"_s;
        QCOMPARE(PostBevetel(*db, sor, std::nullopt, sor.datum, 15), PostResult::Posted);

        const auto stored = LoadBevetel(*db, 1);
        QVERIFY(stored);
        QCOMPARE(stored->idoszak, u"200605"_s);
        QCOMPARE(stored->negyedev, u"20062"_s);
        QCOMPARE(stored->datum, QDate(2006, 5, 31));
        QCOMPARE(stored->adoalap, Osszeg(85000.0));
        QCOMPARE(stored->adoeloleg, Osszeg(12750.0));
        QCOMPARE(stored->lezarva, u"N"_s);
        QCOMPARE(stored->fizetve, u"I"_s);
        QCOMPARE(stored->leiras, u"Számla"_s);
        QCOMPARE(UjBevetel(*db).bevetel, 2);
    }

    void codesFollowTheDate_data()
    {
        QTest::addColumn<QDate>("datum");
        QTest::addColumn<QString>("idoszak");
        QTest::addColumn<QString>("negyedev");
        QTest::newRow("end of May") << QDate(2006, 5, 31) << u"200605"_s << u"20062"_s;
        QTest::newRow("first day") << QDate(2006, 1, 1) << u"200601"_s << u"20061"_s;
        QTest::newRow("mid March") << QDate(2004, 3, 15) << u"200403"_s << u"20041"_s;
        QTest::newRow("July") << QDate(2004, 7, 1) << u"200407"_s << u"20043"_s;
        QTest::newRow("October") << QDate(2004, 10, 1) << u"200410"_s << u"20044"_s;
        QTest::newRow("December") << QDate(2006, 12, 31) << u"200612"_s << u"20064"_s;
    }
    void codesFollowTheDate()
    {
        QFETCH(QDate, datum);
        QFETCH(QString, idoszak);
        QFETCH(QString, negyedev);
        BevetelSor income = UjBevetel(*db);
        QCOMPARE(PostBevetel(*db, income, std::nullopt, datum, 15), PostResult::Posted);
        KiadasSor expense = UjKiadas(*db);
        PostKiadas(*db, expense, true, datum);
        for (const QString &table : {u"bevetel"_s, u"kiadas"_s}) {
            QSqlQuery q = db->exec(u"SELECT idoszak, negyedev, datum FROM "_s + table);
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), idoszak);
            QCOMPARE(q.value(1).toString(), negyedev);
            QCOMPARE(q.value(2).toString(), datum.toString(Qt::ISODate));
        }
    }

    void taxBase_data()
    {
        QTest::addColumn<Osszeg>("osszeg");
        QTest::addColumn<Osszeg>("novelo");
        QTest::addColumn<Osszeg>("csokkento");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("alap");
        QTest::addColumn<double>("eloleg");
        QTest::newRow("items") << Osszeg(100000) << Osszeg(5000) << Osszeg(20000) << 15.0 << 85000.0
                               << 12750.0;
        QTest::newRow("cleared novelo")
            << Osszeg(100000) << Osszeg() << Osszeg(20000) << 15.0 << 80000.0 << 12000.0;
        QTest::newRow("all cleared") << Osszeg() << Osszeg() << Osszeg() << 15.0 << 0.0 << 0.0;
        QTest::newRow("not rounded")
            << Osszeg(1001) << Osszeg(0) << Osszeg(0) << 15.0 << 1001.0 << 150.15;
    }
    void taxBase()
    {
        QFETCH(Osszeg, osszeg);
        QFETCH(Osszeg, novelo);
        QFETCH(Osszeg, csokkento);
        QFETCH(double, rate);
        QFETCH(double, alap);
        QFETCH(double, eloleg);
        BevetelSor sor = UjBevetel(*db);
        sor.osszeg = osszeg;
        sor.novelo = novelo;
        sor.csokkento = csokkento;
        QCOMPARE(PostBevetel(*db, sor, std::nullopt, sor.datum, rate), PostResult::Posted);
        const auto stored = LoadBevetel(*db, sor.bevetel);
        QCOMPARE(stored->adoalap, Osszeg(alap));
        QCOMPARE(stored->adoeloleg, Osszeg(eloleg));
        QCOMPARE(stored->novelo, novelo); // a cleared item stays null
    }

    void closedQuarters_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QDate>("stored");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<bool>("refused");
        // 20062 is closed in every case.
        const QDate closed(2006, 5, 2), open(2006, 7, 3);
        QTest::newRow("new row into a closed quarter") << false << QDate() << closed << true;
        QTest::newRow("new row judged by its picked date") << false << QDate() << open << false;
        QTest::newRow("moved out of a closed quarter") << true << closed << open << true;
        QTest::newRow("moved into a closed quarter") << true << open << closed << true;
        QTest::newRow("open to open") << true << open << open.addMonths(3) << false;
    }
    void closedQuarters()
    {
        QFETCH(bool, existing);
        QFETCH(QDate, stored);
        QFETCH(QDate, picked);
        QFETCH(bool, refused);
        closeQuarter(u"20062"_s);
        BevetelSor sor = UjBevetel(*db);
        std::optional<QDate> storedDatum;
        if (existing) {
            db->exec(
                u"INSERT INTO bevetel (bevetel, datum, osszeg, lezarva) VALUES (1, :d, 10, 'N')"_s,
                {{u"d"_s, stored.toString(Qt::ISODate)}});
            sor = *LoadBevetel(*db, 1);
            storedDatum = sor.datum;
        }
        sor.osszeg = 500;
        const PostResult result = PostBevetel(*db, sor, storedDatum, picked, 15);
        QCOMPARE(result, refused ? PostResult::QuarterClosed : PostResult::Posted);
        const auto after = LoadBevetel(*db, 1);
        if (refused) {
            QCOMPARE(after.has_value(), existing);
            if (existing)
                QCOMPARE(after->osszeg, Osszeg(10));
        } else {
            QCOMPARE(after->datum, picked);
            QCOMPARE(after->osszeg, Osszeg(500));
        }
    }

    void expensesAcceptAnyQuarter()
    {
        closeQuarter(u"20062"_s);
        KiadasSor sor = UjKiadas(*db);
        QCOMPARE(sor.kiadas, 1);
        QCOMPARE(sor.lezarva, u"N"_s);
        sor.osszeg = 700;
        sor.bizonylat = u"K-1"_s;
        PostKiadas(*db, sor, true, QDate(2006, 4, 10));
        const auto stored = LoadKiadas(*db, 1);
        QVERIFY(stored);
        QCOMPARE(stored->negyedev, u"20062"_s);
        QCOMPARE(stored->osszeg, Osszeg(700));
        QCOMPARE(stored->bizonylat, u"K-1"_s);
        QCOMPARE(UjKiadas(*db).kiadas, 2);
    }

    void editingKeepsNumberAndClosedFlagAndFailsOnAVanishedRow()
    {
        db->exec(
            u"INSERT INTO bevetel (bevetel, datum, osszeg, lezarva) VALUES (4, '2006-07-01', 1, 'X')"_s);
        BevetelSor sor = *LoadBevetel(*db, 4);
        sor.megjegyzes = u"javítva"_s;
        QCOMPARE(PostBevetel(*db, sor, sor.datum, sor.datum, 15), PostResult::Posted);
        const auto stored = LoadBevetel(*db, 4);
        QCOMPARE(stored->megjegyzes, u"javítva"_s);
        QCOMPARE(stored->lezarva, u"X"_s);
        QCOMPARE(rowsIn(u"bevetel"_s), 1);

        db->exec(u"DELETE FROM bevetel"_s);
        QVERIFY_THROWS_EXCEPTION(Error, PostBevetel(*db, sor, sor.datum, sor.datum, 15));
        QCOMPARE(rowsIn(u"bevetel"_s), 0);
        KiadasSor expense = UjKiadas(*db);
        QVERIFY_THROWS_EXCEPTION(Error, PostKiadas(*db, expense, false, expense.datum));
        QCOMPARE(rowsIn(u"kiadas"_s), 0);
    }

    void aTakenNumberIsRefusedByTheStorage()
    {
        BevetelSor first = UjBevetel(*db);
        BevetelSor second = UjBevetel(*db); // both were offered number 1
        QCOMPARE(PostBevetel(*db, first, std::nullopt, first.datum, 15), PostResult::Posted);
        QVERIFY_THROWS_EXCEPTION(Error, PostBevetel(*db, second, std::nullopt, second.datum, 15));
        QCOMPARE(rowsIn(u"bevetel"_s), 1);
    }

    void pickListHoldsEachDescriptionOnceSortedAndNoneEmpty()
    {
        db->exec(
            u"INSERT INTO bevetel (bevetel, leiras) VALUES (1, 'zab'), (2, 'Alma'), (3, NULL), "
            "(4, ''), (5, 'csiga'), (6, 'alma'), (7, 'zab'), (8, 'cukor'), (9, '  ')"_s);
        QCOMPARE(LeirasLista(*db, u"bevetel"_s),
                 (QStringList{u"Alma"_s, u"alma"_s, u"cukor"_s, u"csiga"_s, u"zab"_s}));
        db->exec(
            u"INSERT INTO kiadas (kiadas, leiras) VALUES (1, 'posta'), (2, 'posta'), (3, NULL)"_s);
        QCOMPARE(LeirasLista(*db, u"kiadas"_s), QStringList{u"posta"_s});
    }

    void readOsszeg_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Osszeg>("value");
        QTest::newRow("empty is null") << u""_s << true << Osszeg();
        QTest::newRow("grouped, decimal comma") << u"1 234,5"_s << true << Osszeg(1234.5);
        QTest::newRow("no-break space") << u"1\u00a0000"_s << true << Osszeg(1000);
        QTest::newRow("decimal point") << u"12.25"_s << true << Osszeg(12.25);
        QTest::newRow("negative") << u"-20"_s << true << Osszeg(-20);
        QTest::newRow("letters") << u"12a"_s << false << Osszeg();
        QTest::newRow("two commas") << u"1,2,3"_s << false << Osszeg();
        QTest::newRow("sign alone") << u"-"_s << false << Osszeg();
    }
    void readOsszeg()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(Osszeg, value);
        Osszeg read = 99.0;
        QCOMPARE(ReadOsszeg(text, read), ok);
        if (ok)
            QCOMPARE(read, value);
    }
};

QTEST_GUILESS_MAIN(TestEntryRules)
#include "test_entry_rules.moc"
