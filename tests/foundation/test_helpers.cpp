#include "foundation/codes.h"
#include "foundation/edit_mask.h"
#include "foundation/error.h"
#include "foundation/seged.h"

#include <QLocale>
#include <QTest>

using namespace kalmira;

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary)); }

    void periodAndQuarterCodes_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("idoszak");
        QTest::addColumn<QString>("negyedev");
        QTest::newRow("15 March 2004") << QDate(2004, 3, 15) << "200403" << "20041";
        QTest::newRow("1 October 2004") << QDate(2004, 10, 1) << "200410" << "20044";
        QTest::newRow("31 May 2006") << QDate(2006, 5, 31) << "200605" << "20062";
        QTest::newRow("1 July") << QDate(2006, 7, 1) << "200607" << "20063";
        QTest::newRow("31 December") << QDate(2006, 12, 31) << "200612" << "20064";
    }
    void periodAndQuarterCodes()
    {
        QFETCH(QDate, date);
        QFETCH(QString, idoszak);
        QFETCH(QString, negyedev);
        QCOMPARE(idoszakOf(date), idoszak);
        QCOMPARE(negyedevOf(date), negyedev);
    }

    void fields()
    {
        const QLatin1Char semicolon(';');
        QCOMPARE(MezoKivesz(semicolon, QStringLiteral("a;b;c"), 2), QStringLiteral("b"));
        QCOMPARE(MezoKivesz(semicolon, QStringLiteral("a;b;c"), 4), QString());
        QCOMPARE(MezoKivesz(semicolon, QStringLiteral("a;;c"), 2), QString());
        QCOMPARE(MezoKivesz(semicolon, QStringLiteral("a;;c"), 3), QStringLiteral("c"));
        QCOMPARE(MezoKivesz(semicolon, QStringLiteral("a;b"), 0), QString());
        QCOMPARE(SorokOsszefuz(QStringLiteral("a\r\nb"), QStringLiteral("|")), QStringLiteral("a|b|"));
        QCOMPARE(SorokOsszefuz(QStringLiteral("a\r\nb\r\n"), QStringLiteral("|")), QStringLiteral("a|b|"));
        QCOMPARE(SorokOsszefuz(QString(), QStringLiteral("|")), QString());
        QCOMPARE(KarakterTorles(QStringLiteral("&"), QStringLiteral("&Fájl &mentés")), QStringLiteral("Fájl mentés"));
        QCOMPARE(KarakterTorles(QStringLiteral("ab"), QStringLiteral("aab")), QStringLiteral("b"));
        QCOMPARE(KarakterTorles(QString(), QStringLiteral("abc")), QStringLiteral("abc"));
        QCOMPARE(KarakterSzam(QLatin1Char(';'), QStringLiteral("a;b;;")), 3);
        QCOMPARE(KarakterCsere(QVariant(QStringLiteral("1.5.6")), QLatin1Char('.'), QLatin1Char(',')), QStringLiteral("1,5,6"));
        QCOMPARE(KarakterCsere(QVariant(), QLatin1Char('.'), QLatin1Char(',')), QString());
        QCOMPARE(SzokozTorles(QStringLiteral(" 12 500 ")), QStringLiteral("12500"));
        QCOMPARE(SzamKarakterek(QStringLiteral("Ft -1 234,5.x")), QStringLiteral("-1234,5."));
        QCOMPARE(Honap(QDate(2006, 11, 3)), 11);
    }

    void numberReader_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("grouped with comma") << "1 234,5" << 1234.5;
        QTest::newRow("point as decimal") << "1234.5" << 1234.5;
        QTest::newRow("negative") << " -12,25 " << -12.25;
        QTest::newRow("currency text dropped") << "12 500 Ft" << 12500.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("two separators") << "1,2,3" << 0.0;
    }
    void numberReader()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(SzovegToSzam(text), value);
    }

    void fileNames()
    {
        QCOMPARE(FajlNevKeszit(QStringLiteral("Bevételek: 2006/1")), QStringLiteral("bev_telek--2006-1"));
        QCOMPARE(FajlNevKeszit(QStringLiteral("A !\"#%&'*+/:?@\\b")), QStringLiteral("a--------------b"));
    }

    void thousands_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rounded");
        QTest::newRow("zero") << 0.0 << 1000.0;
        QTest::newRow("negative") << -5000.0 << 1000.0;
        QTest::newRow("499") << 499.0 << 1000.0;
        QTest::newRow("999.5 to even") << 999.5 << 1000.0;
        QTest::newRow("1499") << 1499.0 << 1000.0;
        QTest::newRow("1500") << 1500.0 << 2000.0;
        QTest::newRow("2500.4") << 2500.4 << 3000.0;
        QTest::newRow("12499") << 12499.0 << 12000.0;
        QTest::newRow("12500") << 12500.0 << 13000.0;
        QTest::newRow("23456") << 23456.0 << 23000.0;
    }
    void thousands()
    {
        QFETCH(double, amount);
        QFETCH(double, rounded);
        QCOMPARE(EzresKerekites(amount), rounded);
    }

    void nullableValues()
    {
        QCOMPARE(VarToSzoveg(QVariant(), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(VarToSzoveg(QVariant(12), QString()), QStringLiteral("12"));
        QCOMPARE(VarToEgesz(QVariant(), 7), 7);
        QCOMPARE(VarToEgesz(QVariant(QStringLiteral("42")), 0), 42);
        QCOMPARE(VarToSzam(QVariant(), 1.5), 1.5);
        QCOMPARE(VarToSzam(QVariant(2.25), 0), 2.25);
        QVERIFY_THROWS_EXCEPTION(Error, VarToEgesz(QVariant(QStringLiteral("abc")), 0));
        QVERIFY_THROWS_EXCEPTION(Error, VarToSzam(QVariant(QStringLiteral("abc")), 0));
    }

    void errorTextsGetTheirFullStop()
    {
        QCOMPARE(WithFullStop(QStringLiteral("no such table: bevetel")), QStringLiteral("no such table: bevetel."));
        QCOMPARE(WithFullStop(QStringLiteral("Kész.")), QStringLiteral("Kész."));
        QCOMPARE(WithFullStop(QStringLiteral("(hiba)")), QStringLiteral("(hiba)"));
        QCOMPARE(WithFullStop(QString()), QString());
    }

    void editMasks_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("qtMask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("display");
        QTest::newRow("period") << "AAAA.AA;0;_" << "NNNN.NN;_" << "200602" << "2006.02";
        QTest::newRow("quarter") << "0000.0;0;_" << "9999.9;_" << "20065" << "2006.5";
        QTest::newRow("tax number") << "AAAAAAAA-A-AA;0;_" << "NNNNNNNN-N-NN;_" << "12345678123" << "12345678-1-23";
        QTest::newRow("literals kept") << "00/00;1;_" << "99/99;_" << "12/34" << "12/34";
        QTest::newRow("free text") << "" << "" << "bármi" << "bármi";
    }
    void editMasks()
    {
        QFETCH(QString, mask);
        QFETCH(QString, qtMask);
        QFETCH(QString, value);
        QFETCH(QString, display);
        const EditMask parsed = EditMask::parse(mask);
        QCOMPARE(parsed.qtInputMask(), qtMask);
        QCOMPARE(parsed.display(value), display);
        QCOMPARE(parsed.value(display), value);
    }
};

QTEST_APPLESS_MAIN(TestHelpers)
#include "test_helpers.moc"
