#include "books_fixture.h"
#include "foundation/database.h"
#include "foundation/schema.h"
#include "ledgers/display_format.h"
#include "ledgers/paged_table_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

namespace {

// Enough rows for many pages; descriptions repeat with case variants and nulls.
constexpr int RowCount = 3000;
const QStringList Descriptions{u"Árvíz"_s, u"alma"_s,   u"csiga"_s, u"árvíz"_s,
                               u"Cukor"_s, u"dinnye"_s, QString(),  u"Alma"_s,
                               u"zab"_s,   u"öt"_s,     u"ot"_s};

QList<ModelColumn> incomeColumns()
{
    return {{u"bevetel"_s, {}},
            {u"datum"_s, {}},
            {u"leiras"_s, {}},
            {u"osszeg"_s, {}},
            {u"lezarva"_s, u"zár"_s}};
}

} // namespace

class TestPagedTableModel : public QObject, test::BooksFixture
{
    Q_OBJECT

    QList<int> keysInSqlOrder(const QString &order, const QString &where = {})
    {
        QSqlQuery q = db->exec(u"SELECT bevetel FROM bevetel %1 ORDER BY %2"_s.arg(where, order));
        QList<int> keys;
        while (q.next())
            keys << q.value(0).toInt();
        return keys;
    }
    static QList<int> keysOf(const PagedTableModel &model, bool fromTheEnd = false)
    {
        QList<int> keys(model.rowCount());
        for (int i = 0; i < model.rowCount(); ++i) {
            const int row = fromTheEnd ? model.rowCount() - 1 - i : i;
            keys[row] = model.value(row, u"bevetel"_s).toInt();
        }
        return keys;
    }

private Q_SLOTS:
    void initTestCase()
    {
        openBooks(u"model"_s);
        Transaction transaction(*db);
        QSqlQuery insert =
            db->prepare(u"INSERT INTO bevetel (bevetel, idoszak, datum, leiras, osszeg, lezarva) "
                        "VALUES (:n, :i, :d, :l, :o, :z)"_s);
        for (int n = 1; n <= RowCount; ++n) {
            const QDate day = QDate(2006, 1, 1).addDays((n * 37) % 700);
            insert.bindValue(u":n"_s, n);
            insert.bindValue(u":i"_s, day.toString(u"yyyyMM"_s));
            insert.bindValue(u":d"_s, day.toString(Qt::ISODate));
            insert.bindValue(u":l"_s, Descriptions[n % Descriptions.size()]);
            insert.bindValue(u":o"_s,
                             n % 13 == 0 ? QVariant() : QVariant(double((n * 7919) % 5000)));
            insert.bindValue(u":z"_s, n % 5 == 0 ? u"I"_s : u"N"_s);
            db->execPrepared(insert);
        }
        transaction.commit();
    }
    void cleanupTestCase() { closeBooks(); }

    void passesTheModelTesterThroughEveryChange()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.refresh();
        QCOMPARE(model.rowCount(), RowCount);
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.sortColumn(), 0);
        model.setSortColumn(2);
        model.setFilter(u"idoszak=:pidoszak"_s, {{u"pidoszak"_s, u"200602"_s}});
        model.setFilter({}, {});
        QCOMPARE(model.rowCount(), RowCount);
    }

    void readsEveryOrderAsTheDatabaseSortsIt_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("order");
        QTest::newRow("number") << 0 << u"bevetel"_s;
        QTest::newRow("date") << 1 << u"datum, bevetel"_s;
        QTest::newRow("text, Hungarian order") << 2 << u"leiras COLLATE HU_CI, bevetel"_s;
        QTest::newRow("amount with nulls") << 3 << u"osszeg, bevetel"_s;
        QTest::newRow("flag") << 4 << u"lezarva COLLATE HU_CI, bevetel"_s;
    }
    void readsEveryOrderAsTheDatabaseSortsIt()
    {
        QFETCH(int, column);
        QFETCH(QString, order);
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.setSortColumn(column);
        const QList<int> expected = keysInSqlOrder(order);
        QCOMPARE(keysOf(model), expected);
        QVERIFY(model.cachedPages() <= PagedTableModel::MaxPages);
        model.refresh();
        QCOMPARE(keysOf(model, true), expected);
        // The row of a key is where the view shows it.
        for (int row = 0; row < RowCount; row += 97)
            QCOMPARE(model.rowOfKey(expected[row]), row);
        QCOMPARE(model.rowOfKey(RowCount - 1), int(expected.indexOf(RowCount - 1)));
        QCOMPARE(model.rowOfKey(RowCount + 1), -1);
    }

    void textOrderIgnoresCaseAndFollowsTheHungarianAlphabet()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.setSortColumn(2);
        QStringList seen;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString text = model.index(row, 2).data().toString().toLower();
            if (seen.isEmpty() || seen.last() != text)
                seen << text;
        }
        QCOMPARE(seen, (QStringList{u""_s, u"alma"_s, u"árvíz"_s, u"cukor"_s, u"csiga"_s,
                                    u"dinnye"_s, u"ot"_s, u"öt"_s, u"zab"_s}));
    }

    void filterShowsOnlyItsRows()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.setFilter(u"idoszak=:pidoszak"_s, {{u"pidoszak"_s, u"200602"_s}});
        QVERIFY(model.isFiltered());
        const QList<int> expected = keysInSqlOrder(u"bevetel"_s, u"WHERE idoszak='200602'"_s);
        QVERIFY(expected.size() > 10);
        QCOMPARE(keysOf(model), expected);
        QCOMPARE(model.rowOfKey(expected.last()), int(expected.size()) - 1);
        QCOMPARE(model.rowOfKey(keysInSqlOrder(u"bevetel"_s, u"WHERE idoszak='200603'"_s).first()),
                 -1);
        model.setFilter({}, {});
        QVERIFY(!model.isFiltered());
        QCOMPARE(model.rowCount(), RowCount);
    }

    void baseFilterHoldsUnderTheUserFilter()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.setBaseFilter(u"lezarva=:pz"_s, {{u"pz"_s, u"I"_s}});
        QCOMPARE(model.rowCount(), RowCount / 5);
        model.setFilter(u"idoszak=:pidoszak"_s, {{u"pidoszak"_s, u"200602"_s}});
        QCOMPARE(keysOf(model),
                 keysInSqlOrder(u"bevetel"_s, u"WHERE idoszak='200602' AND lezarva='I'"_s));
    }

    void cellsShowTheDisplayFormats()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.refresh();
        const int row = model.rowOfKey(14); // osszeg (14 * 7919) % 5000 = 866
        QCOMPARE(model.index(row, 3).data().toString(), u"866"_s);
        QCOMPARE(model.index(row, 3).data(PagedTableModel::RawRole).toDouble(), 866.0);
        QCOMPARE(Qt::Alignment(model.index(row, 3).data(Qt::TextAlignmentRole).toInt()),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(model.index(row, 1).data().toString(),
                 QDate(2006, 1, 1).addDays((14 * 37) % 700).toString(u"yyyy.MM.dd."_s));
        QCOMPARE(model.index(model.rowOfKey(13), 3).data().toString(), QString());
        QCOMPARE(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), u"zár"_s);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), u"dátum"_s);
    }

    void aFailedReadIsReportedOnceAndShowsEmptyCells()
    {
        PagedTableModel model(*db, schema::table(u"bevetel"_s), incomeColumns());
        model.refresh();
        QSignalSpy failed(&model, &PagedTableModel::readFailed);
        db->exec(u"ALTER TABLE bevetel RENAME TO bevetel_el"_s);
        const QVariant first = model.index(0, 0).data();
        const QVariant last = model.index(RowCount - 1, 0).data();
        db->exec(u"ALTER TABLE bevetel_el RENAME TO bevetel"_s);
        QVERIFY(first.toString().isEmpty() && last.toString().isEmpty());
        QVERIFY(failed.wait(1000));
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed.first().first().toString().contains(u"bevetel"_s));
        model.refresh();
        QCOMPARE(model.index(0, 0).data().toString(), u"1"_s);
    }

    void formatFloat_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const QString amount = u"### ### ##0"_s;
        QTest::newRow("zero") << amount << 0.0 << u"0"_s;
        QTest::newRow("grouped") << amount << 1234567.0 << u"1 234 567"_s;
        QTest::newRow("half rounds up") << amount << 12750.5 << u"12 751"_s;
        QTest::newRow("negative") << amount << -85000.4 << u"-85 000"_s;
        QTest::newRow("negative to zero") << amount << -0.4 << u"0"_s;
        QTest::newRow("rate") << u"### ### ##0.00"_s << 1234.5 << u"1 234,50"_s;
        QTest::newRow("padded") << u"00000"_s << 1.0 << u"00001"_s;
        QTest::newRow("wider than padding") << u"00000"_s << 123456.0 << u"123456"_s;
        QTest::newRow("three") << u"000"_s << 7.0 << u"007"_s;
    }
    void formatFloat()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatFloat(format, value), text);
    }
};

QTEST_GUILESS_MAIN(TestPagedTableModel)
#include "test_paged_table_model.moc"
