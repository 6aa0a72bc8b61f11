#include "books_fixture.h"
#include "foundation/database.h"
#include "ledgers/quarter_closing.h"
#include "ledgers/quarters.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

class TestQuarterClosing : public QObject, test::BooksFixture
{
    Q_OBJECT

    const QDate today{2006, 7, 3};
    static constexpr int Eva = 1;

    void addIncome(int n, const QString &negyedev, QVariant osszeg, QVariant novelo = 0.0,
                   QVariant csokkento = 0.0)
    {
        db->exec(u"INSERT INTO bevetel (bevetel, negyedev, osszeg, novelo, csokkento, lezarva) "
                 "VALUES (:n, :q, :o, :nov, :cs, 'N')"_s,
                 {{u"n"_s, n},
                  {u"q"_s, negyedev},
                  {u"o"_s, osszeg},
                  {u"nov"_s, novelo},
                  {u"cs"_s, csokkento}});
    }
    // Every row of the tables closing touches, as text, to compare whole books.
    QStringList books()
    {
        QStringList out;
        for (const QString &table : {u"bevetel"_s, u"kiadas"_s, u"ado"_s, u"zaras"_s}) {
            QSqlQuery q = db->exec(u"SELECT * FROM "_s + table);
            while (q.next()) {
                QStringList values;
                for (int i = 0; i < q.record().count(); ++i)
                    values << (q.isNull(i) ? u"NULL"_s : q.value(i).toString());
                out << table + u": "_s + values.join(u'|');
            }
        }
        out.sort();
        return out;
    }
    QStringList column(const QString &sql)
    {
        QSqlQuery q = db->exec(sql);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

private Q_SLOTS:
    void init() { openBooks(u"closing"_s, today); }
    void cleanup() { closeBooks(); }

    void closingBooksTheQuartersTaxRow()
    {
        addIncome(1, u"20062"_s, 100000.0);
        addIncome(2, u"20062"_s, 50000.0);
        addIncome(3, u"20061"_s, 70000.0);
        db->exec(
            u"INSERT INTO kiadas (kiadas, negyedev, osszeg, lezarva) VALUES (1, '20062', 9, 'N')"_s);
        db->exec(
            u"INSERT INTO ado (adotip, sorszam, fizetendo) VALUES (1, 1, 5), (1, 2, 6), (2, 7, 1)"_s);

        const std::optional<Zaras> zaras = NegyedevZarasa(*db, u"20062"_s, Eva, 15, today);
        QVERIFY(zaras);
        QCOMPARE(zaras->adoalap, 150000.0);
        QCOMPARE(zaras->fizetendo, 22500.0);
        QCOMPARE(zaras->sorszam, 3);

        QCOMPARE(column(u"SELECT lezarva FROM bevetel ORDER BY bevetel"_s),
                 (QStringList{u"I"_s, u"I"_s, u"N"_s}));
        QCOMPARE(column(u"SELECT lezarva FROM kiadas"_s), QStringList{u"N"_s});
        QCOMPARE(column(u"SELECT negyedev FROM zaras"_s), QStringList{u"20062"_s});
        QVERIFY(NegyedevLezarva(*db, u"20062"_s));

        QSqlQuery q = db->exec(u"SELECT * FROM ado WHERE adotip=1 AND sorszam=3"_s);
        QVERIFY(q.next());
        const QSqlRecord row = q.record();
        const QVariantMap expected{{u"dat_esedekes"_s, u"2006-07-03"_s},
                                   {u"idoszak"_s, u"200607"_s},
                                   {u"adoalap"_s, 150000.0},
                                   {u"mertek"_s, 15.0},
                                   {u"csokkento"_s, 0.0},
                                   {u"novelo"_s, 0.0},
                                   {u"fizetendo"_s, 22500.0},
                                   {u"kifizetve"_s, u"N"_s},
                                   {u"bevallva"_s, u"N"_s},
                                   {u"ft_fizetve"_s, 0.0},
                                   {u"ft_hatralek"_s, 0.0}};
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(row.value(it.key()).toString(), it.value().toString());
        QVERIFY(row.isNull(u"dat_kifizet"_s));
        QVERIFY(row.isNull(u"dat_bevall"_s));
        QCOMPARE(column(u"SELECT COUNT(*) FROM ado"_s), QStringList{u"4"_s});
    }

    void baseAndNumber_data()
    {
        QTest::addColumn<QString>("negyedev");
        QTest::addColumn<double>("adoalap");
        QTest::addColumn<int>("sorszam");
        // Income of 20063: 100000 + 5000 - 20000, and 40000 with empty items.
        QTest::newRow("items and empty items") << u"20063"_s << 125000.0 << 1;
        QTest::newRow("no income rows") << u"20064"_s << 0.0 << 1;
        QTest::newRow("quarter digit 5") << u"20065"_s << 0.0 << 1;
    }
    void baseAndNumber()
    {
        QFETCH(QString, negyedev);
        addIncome(1, u"20063"_s, 100000.0, 5000.0, 20000.0);
        addIncome(2, u"20063"_s, 40000.0, QVariant(), QVariant());
        const std::optional<Zaras> zaras = NegyedevZarasa(*db, negyedev, Eva, 10, today);
        QVERIFY(zaras);
        QTEST(zaras->adoalap, "adoalap");
        QTEST(zaras->sorszam, "sorszam");
        QCOMPARE(zaras->fizetendo, zaras->adoalap / 10);
        QCOMPARE(column(u"SELECT negyedev FROM zaras"_s), QStringList{negyedev});
        QCOMPARE(column(u"SELECT adoalap FROM ado"_s),
                 QStringList{QString::number(zaras->adoalap)});
    }

    void aClosedQuarterIsNotClosedAgain()
    {
        addIncome(1, u"20062"_s, 100000.0);
        QVERIFY(NegyedevZarasa(*db, u"20062"_s, Eva, 15, today));
        addIncome(2, u"20062"_s, 50000.0); // reached the closed quarter later
        const QStringList before = books();
        QVERIFY(!NegyedevZarasa(*db, u"20062"_s, Eva, 15, today));
        QCOMPARE(books(), before);
    }

    void aFailureLeavesTheBooksAsTheyWere_data()
    {
        QTest::addColumn<QString>("failingTable");
        QTest::newRow("tax row") << u"ado"_s;
        QTest::newRow("closed quarter") << u"zaras"_s;
    }
    void aFailureLeavesTheBooksAsTheyWere()
    {
        QFETCH(QString, failingTable);
        addIncome(1, u"20062"_s, 100000.0);
        addIncome(2, u"20062"_s, 50000.0);
        db->exec(u"INSERT INTO ado (adotip, sorszam) VALUES (1, 1)"_s);
        // The income rows are marked before either insert is refused.
        db->exec(u"CREATE TRIGGER refuse BEFORE INSERT ON %1 "
                 "BEGIN SELECT RAISE(ABORT, 'refused for the test'); END"_s.arg(failingTable));
        const QStringList before = books();
        QVERIFY_THROWS_EXCEPTION(Error, NegyedevZarasa(*db, u"20062"_s, Eva, 15, today));
        QCOMPARE(books(), before);
        QVERIFY(!NegyedevLezarva(*db, u"20062"_s));
        db->exec(u"DROP TRIGGER refuse"_s);
        QVERIFY(NegyedevZarasa(*db, u"20062"_s, Eva, 15, today));
    }
};

QTEST_GUILESS_MAIN(TestQuarterClosing)
#include "test_quarter_closing.moc"
