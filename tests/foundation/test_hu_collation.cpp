#include "foundation/hu_collation.h"

#include <QTest>

using namespace kalmira;

class TestHuCollation : public QObject
{
    Q_OBJECT
private slots:
    void order_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("c before cs") << QStringLiteral("cukor") << QStringLiteral("csak");
        QTest::newRow("cs before d") << QStringLiteral("csúcs") << QStringLiteral("dél");
        QTest::newRow("o before ö") << QStringLiteral("oszlop") << QStringLiteral("öreg");
        QTest::newRow("ö before p") << QStringLiteral("őz") << QStringLiteral("pad");
        QTest::newRow("u before ü") << QStringLiteral("utca") << QStringLiteral("üveg");
        QTest::newRow("z before zs") << QStringLiteral("zug") << QStringLiteral("zsák");
        QTest::newRow("gy after g") << QStringLiteral("gumi") << QStringLiteral("gyár");
        QTest::newRow("accent ties then breaks") << QStringLiteral("kar") << QStringLiteral("kár");
        QTest::newRow("letters before accent") << QStringLiteral("kár") << QStringLiteral("karc");
        QTest::newRow("doubled digraph") << QStringLiteral("asszony") << QStringLiteral("aszt");
        QTest::newRow("digits first") << QStringLiteral("2006") << QStringLiteral("alma");
        QTest::newRow("prefix first") << QStringLiteral("Bér") << QStringLiteral("bérleti díj");
    }
    void order()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QVERIFY(huCompare(before, after) < 0);
        QVERIFY(huCompare(after, before) > 0);
        const QByteArray a = before.toUtf8(), b = after.toUtf8();
        QVERIFY(huCompareUtf8(a.constData(), int(a.size()), b.constData(), int(b.size())) < 0);
    }

    void caseIsIgnored()
    {
        QCOMPARE(huCompare(QStringLiteral("Árvíz"), QStringLiteral("árvíz")), 0);
        QCOMPARE(huCompare(QStringLiteral("CSŐ"), QStringLiteral("cső")), 0);
        QCOMPARE(huCompare(QString(), QString()), 0);
    }
};

QTEST_APPLESS_MAIN(TestHuCollation)
#include "test_hu_collation.moc"
