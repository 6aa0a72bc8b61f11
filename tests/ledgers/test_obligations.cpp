#include "books_fixture.h"
#include "foundation/clock.h"
#include "foundation/database.h"
#include "ledgers/obligations.h"
#include "ledgers/type_catalogue.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(kalmira::Ertek)

class TestObligations : public QObject, test::BooksFixture
{
    Q_OBJECT

    const KotelezettsegOldal &ado = KotelezettsegOldal::ado();

    int addType(const QString &table, const QString &name, Ertek mertek, Ertek csokk, Ertek nov,
                const QString &fix)
    {
        Tipus tipus{-1, name, mertek, csokk, nov, fix};
        TipusMentes(*db,
                    table == u"ado"_s ? KotelezettsegOldal::ado() : KotelezettsegOldal::jarulek(),
                    tipus);
        return tipus.kulcs;
    }
    // A stored tax row of the type with an amount due, optionally paid.
    void addDue(int tipus, int sorszam, const QString &idoszak, double fizetendo,
                Ertek fizetve = std::nullopt)
    {
        db->exec(u"INSERT INTO ado (adotip, sorszam, idoszak, fizetendo, ft_fizetve, kifizetve) "
                 "VALUES (:t, :s, :i, :f, :p, :k)"_s,
                 {{u"t"_s, tipus},
                  {u"s"_s, sorszam},
                  {u"i"_s, idoszak},
                  {u"f"_s, fizetendo},
                  {u"p"_s, fizetve ? QVariant(*fizetve) : QVariant(0.0)},
                  {u"k"_s, fizetve ? u"I"_s : u"N"_s}});
    }
    QSqlRecord stored(int tipus, int sorszam)
    {
        QSqlQuery q = db->exec(u"SELECT * FROM ado WHERE adotip=:t AND sorszam=:s"_s,
                               {{u"t"_s, tipus}, {u"s"_s, sorszam}});
        return q.next() ? q.record() : QSqlRecord();
    }

private Q_SLOTS:
    void init()
    {
        openBooks(u"obligations"_s);
        db->exec(u"DELETE FROM adotip"_s);
        db->exec(u"DELETE FROM jarulektip"_s);
    }
    void cleanup() { closeBooks(); }

    void newRowsAreNumberedPerTypeWithTheirDefaults()
    {
        const int a = addType(u"ado"_s, u"A"_s, 15, 0, 0, u"N"_s);
        const int b = addType(u"ado"_s, u"B"_s, std::nullopt, 0, 0, u"N"_s);
        Kotelezettseg first = UjKotelezettseg(*db, ado, a, QDate(2006, 5, 31));
        QCOMPARE(first.sorszam, 1);
        QCOMPARE(first.mertek, Ertek(15));
        QCOMPARE(first.dat_esedekes, QDate(2006, 5, 31));
        QCOMPARE(first.kifizetve, u"N"_s);
        QCOMPARE(first.bevallva, u"N"_s);
        QCOMPARE(first.fizetendo, Ertek(0));
        QCOMPARE(first.ft_hatralek, Ertek(0));
        // A row never stored takes no number.
        QCOMPARE(UjKotelezettseg(*db, ado, a, QDate(2006, 5, 31)).sorszam, 1);
        KotelezettsegMentes(*db, ado, first, true);
        QCOMPARE(UjKotelezettseg(*db, ado, a, QDate(2006, 5, 31)).sorszam, 2);
        // The second type counts by itself and has no rate to offer.
        const Kotelezettseg other = UjKotelezettseg(*db, ado, b, QDate(2006, 5, 31));
        QCOMPARE(other.sorszam, 1);
        QVERIFY(!other.mertek.has_value());
        QCOMPARE(UjKotelezettseg(*db, KotelezettsegOldal::jarulek(), a, QDate(2006, 5, 31)).sorszam,
                 1);
    }

    void savingTakesThePeriodFromTheDueDateAndKeepsAmountsUnrounded()
    {
        Kotelezettseg row = UjKotelezettseg(*db, ado, 3, QDate(2006, 1, 31));
        row.fizetendo = 1851.75;
        row.adoalap = std::nullopt;
        KotelezettsegMentes(*db, ado, row, true);
        QCOMPARE(stored(3, 1).value(u"idoszak"_s).toString(), u"200601"_s);

        row.dat_esedekes = QDate(2006, 2, 1);
        KotelezettsegMentes(*db, ado, row, false);
        const std::optional<Kotelezettseg> back = KotelezettsegOlvas(*db, ado, 3, 1);
        QVERIFY(back);
        QCOMPARE(back->idoszak, u"200602"_s);
        QCOMPARE(back->dat_esedekes, QDate(2006, 2, 1));
        QCOMPARE(back->fizetendo, Ertek(1851.75));
        QVERIFY(!back->adoalap.has_value());
        // Taking a number already held in the type is refused by the storage.
        QVERIFY_THROWS_EXCEPTION(Error, KotelezettsegMentes(*db, ado, row, true));
    }

    void computeButton_data()
    {
        QTest::addColumn<QString>("fix");
        QTest::addColumn<Ertek>("adoalap");
        QTest::addColumn<Ertek>("mertek");
        QTest::addColumn<Ertek>("csokkmertek");
        QTest::addColumn<Ertek>("novmertek");
        QTest::addColumn<Ertek>("fizetendo");
        QTest::addColumn<Ertek>("csokkento");
        QTest::addColumn<Ertek>("novelo");
        const Ertek none;
        QTest::newRow("percentages") << u"N"_s << Ertek(200000) << Ertek(15) << Ertek(2)
                                     << Ertek(0.5) << Ertek(27000) << Ertek(4000) << Ertek(1000);
        QTest::newRow("unrounded") << u"N"_s << Ertek(12345) << Ertek(15) << Ertek(0) << Ertek(0)
                                   << Ertek(1851.75) << Ertek(0) << Ertek(0);
        QTest::newRow("empty flag is percentages")
            << QString() << Ertek(1000) << Ertek(10) << Ertek(0) << Ertek(0) << Ertek(100)
            << Ertek(0) << Ertek(0);
        QTest::newRow("fixed ignores the base")
            << u"I"_s << Ertek(987654) << Ertek(12000) << Ertek(0) << Ertek(500) << Ertek(12500)
            << Ertek(0) << Ertek(500);
        QTest::newRow("fixed, rate changed in the row")
            << u"I"_s << none << Ertek(10000) << Ertek(300) << Ertek(500) << Ertek(10200)
            << Ertek(300) << Ertek(500);
        QTest::newRow("empty reduction") << u"N"_s << Ertek(200000) << Ertek(15) << none
                                         << Ertek(0.5) << none << none << Ertek(1000);
        QTest::newRow("fixed, empty reduction") << u"I"_s << Ertek(1) << Ertek(12000) << none
                                                << Ertek(500) << none << none << Ertek(500);
        QTest::newRow("empty base")
            << u"N"_s << none << Ertek(15) << Ertek(2) << Ertek(0.5) << none << none << none;
    }
    // The type's values are read back from the catalogue, as the button does.
    void computeButton()
    {
        QFETCH(QString, fix);
        QFETCH(Ertek, adoalap);
        QFETCH(Ertek, mertek);
        QFETCH(Ertek, csokkmertek);
        QFETCH(Ertek, novmertek);
        const int tipus = addType(u"jarulek"_s, u"J"_s, 99, csokkmertek, novmertek, fix);
        const Szamitas got = FizetendoSzamitas(
            adoalap, mertek, TipusErtekei(*db, KotelezettsegOldal::jarulek(), tipus));
        QTEST(got.fizetendo, "fizetendo");
        QTEST(got.csokkento, "csokkento");
        QTEST(got.novelo, "novelo");
    }

    void aMissingTypeLeavesEveryResultEmpty()
    {
        const Szamitas got = FizetendoSzamitas(1000, 10, TipusErtekei(*db, ado, 42));
        QVERIFY(!got.fizetendo && !got.csokkento && !got.novelo);
    }

    void suggestionRoundsTheYearsBalance_data()
    {
        QTest::addColumn<double>("due");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("suggested");
        QTest::newRow("12499") << 22499.0 << 10000.0 << 12000.0;
        QTest::newRow("12500") << 12500.0 << 0.0 << 13000.0;
        QTest::newRow("499") << 499.0 << 0.0 << 1000.0;
        QTest::newRow("nothing outstanding") << 5000.0 << 5000.0 << 1000.0;
        QTest::newRow("overpaid") << 5000.0 << 9000.0 << 1000.0;
    }
    void suggestionRoundsTheYearsBalance()
    {
        QFETCH(double, due);
        QFETCH(double, paid);
        addDue(1, 1, u"200603"_s, due, paid);
        QTEST(FizetesJavaslat(*db, ado, 1, 2006), "suggested");
    }

    void suggestionSumsTheDueYearOfTheTypeOnly()
    {
        Clock::setFixed(QDate(2009, 7, 1));
        addDue(1, 1, u"200512"_s, 100000);
        addDue(1, 2, u"200601"_s, 10000);
        addDue(1, 3, u"200612"_s, 20000, 5000);
        addDue(1, 4, u"200701"_s, 300000);
        addDue(2, 1, u"200606"_s, 400000);
        db->exec(u"INSERT INTO jarulek (jarulektip, sorszam, idoszak, fizetendo) "
                 "VALUES (1, 1, '200606', 500000)"_s);
        QCOMPARE(FizetesJavaslat(*db, ado, 1, 2006), 25000.0);
        QCOMPARE(FizetesJavaslat(*db, KotelezettsegOldal::jarulek(), 1, 2006), 500000.0);
        QCOMPARE(FizetesJavaslat(*db, ado, 9, 2006), 1000.0);
    }

    void paymentOfTheThreeRowExample()
    {
        addDue(1, 1, u"200601"_s, 10000, 10000);
        addDue(1, 2, u"200602"_s, 20000);
        addDue(1, 3, u"200603"_s, 30000);
        const double suggested = FizetesJavaslat(*db, ado, 1, 2006);
        QCOMPARE(suggested, 50000.0);
        Megfizet(*db, ado, 1, 2, QDate(2006, 4, 10), suggested);
        const QSqlRecord row = stored(1, 2);
        QCOMPARE(row.value(u"kifizetve"_s).toString(), u"I"_s);
        QCOMPARE(row.value(u"dat_kifizet"_s).toString(), u"2006-04-10"_s);
        QCOMPARE(row.value(u"ft_fizetve"_s).toDouble(), 50000.0);
        QCOMPARE(row.value(u"ft_hatralek"_s).toDouble(), -30000.0);
        QCOMPARE(stored(1, 3).value(u"kifizetve"_s).toString(), u"N"_s);
    }

    void undoResetsTheFieldsItNames()
    {
        addDue(1, 1, u"200601"_s, 10000);
        Megfizet(*db, ado, 1, 1, QDate(2006, 2, 1), 8000);
        Bevall(*db, ado, 1, 1, QDate(2006, 2, 20));
        QCOMPARE(stored(1, 1).value(u"dat_bevall"_s).toString(), u"2006-02-20"_s);
        QCOMPARE(stored(1, 1).value(u"bevallva"_s).toString(), u"I"_s);

        FizetesTorles(*db, ado, 1, 1);
        QSqlRecord row = stored(1, 1);
        QCOMPARE(row.value(u"kifizetve"_s).toString(), u"N"_s);
        QCOMPARE(row.value(u"ft_fizetve"_s).toDouble(), 0.0);
        QVERIFY(row.value(u"dat_kifizet"_s).isNull());
        QCOMPARE(row.value(u"ft_hatralek"_s).toDouble(), 2000.0); // as the payment left it
        QCOMPARE(row.value(u"bevallva"_s).toString(), u"I"_s);    // independent

        BevallasTorles(*db, ado, 1, 1);
        row = stored(1, 1);
        QCOMPARE(row.value(u"bevallva"_s).toString(), u"N"_s);
        QVERIFY(row.value(u"dat_bevall"_s).isNull());
    }

    void typeSearch_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found"); // name of the type found, empty for none
        QTest::newRow("name, any case") << u"adotip_nev"_s << u"szo"_s << u"Szociális hj."_s;
        QTest::newRow("name, upper case") << u"adotip_nev"_s << u"SZO"_s << u"Szociális hj."_s;
        QTest::newRow("accented") << u"adotip_nev"_s << u"á"_s << u"Áfa"_s;
        QTest::newRow("cs after c") << u"adotip_nev"_s << u"c"_s << u"cégautóadó"_s;
        QTest::newRow("digraph") << u"adotip_nev"_s << u"cs"_s << u"Csatorna"_s;
        QTest::newRow("no match") << u"adotip_nev"_s << u"x"_s << QString();
        QTest::newRow("rate") << u"mertek"_s << u"2"_s << u"Iparűzési"_s;
        QTest::newRow("rate with comma") << u"mertek"_s << u"0,5"_s << u"Csatorna"_s;
        QTest::newRow("rate, no number") << u"mertek"_s << u"abc"_s << QString();
        QTest::newRow("rate, no match") << u"mertek"_s << u"7"_s << QString();
    }
    void typeSearch()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, found);
        for (const auto &[name, rate] : {std::pair{u"Szolidaritási"_s, 4.0},
                                         {u"Szociális hj."_s, 27.0},
                                         {u"Áfa"_s, 25.0},
                                         {u"Csatorna"_s, 0.5},
                                         {u"cégautóadó"_s, 0.0},
                                         {u"Iparűzési"_s, 2.0}})
            addType(u"ado"_s, name, rate, 0, 0, u"N"_s);
        const std::optional<int> key = TipusKeres(*db, ado, field, text);
        QCOMPARE(key ? TipusOlvas(*db, ado, *key)->nev : QString(), found);
    }

    void typesAreStoredAndChanged()
    {
        Tipus tipus{-1, u"Helyi adó"_s, 1.5, std::nullopt, 0, u"N"_s};
        TipusMentes(*db, ado, tipus);
        QVERIFY(tipus.kulcs > 0);
        tipus.fix = u"I"_s;
        tipus.mertek = 3000;
        TipusMentes(*db, ado, tipus);
        const std::optional<Tipus> back = TipusOlvas(*db, ado, tipus.kulcs);
        QVERIFY(back);
        QCOMPARE(back->nev, u"Helyi adó"_s);
        QCOMPARE(back->mertek, Ertek(3000));
        QVERIFY(!back->csokkmertek.has_value());
        QCOMPARE(back->fix, u"I"_s);
        // Deleting the type leaves its obligation rows in place.
        addDue(tipus.kulcs, 1, u"200601"_s, 100);
        TipusTorles(*db, ado, tipus.kulcs);
        QVERIFY(!TipusOlvas(*db, ado, tipus.kulcs));
        QVERIFY(!stored(tipus.kulcs, 1).isEmpty());
    }

    void numbersAreReadAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Ertek>("value");
        QTest::newRow("grouped") << u"1 234 567"_s << true << Ertek(1234567);
        QTest::newRow("decimal comma") << u"0,5"_s << true << Ertek(0.5);
        QTest::newRow("decimal point") << u"12.75"_s << true << Ertek(12.75);
        QTest::newRow("negative") << u"-300"_s << true << Ertek(-300);
        QTest::newRow("empty") << QString() << true << Ertek();
        QTest::newRow("letters") << u"12a"_s << false << Ertek(7);
        QTest::newRow("two commas") << u"1,2,3"_s << false << Ertek(7);
        QTest::newRow("infinity") << u"inf"_s << false << Ertek(7);
    }
    void numbersAreReadAsTyped()
    {
        QFETCH(QString, text);
        Ertek value = 7;
        QTEST(SzamErtelmez(text, value), "ok");
        QTEST(value, "value");
    }
};

QTEST_GUILESS_MAIN(TestObligations)
#include "test_obligations.moc"
