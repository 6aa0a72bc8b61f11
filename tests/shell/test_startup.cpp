#include "foundation/beall.h"
#include "foundation/database.h"
#include "foundation/ini_file.h"
#include "shell/archive.h"
#include "shell/startup.h"
#include "shell/ui/input_maszk_dialog.h"
#include "shell/ui/main_window.h"
#include "shell/ui/wheel_to_arrow_filter.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace kalmira;
using test::readFile;
using test::writeFile;


class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void newInstallationOpensWithFullRights()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        prompt.answer(false); // the archive question at close: the default last archive is 10 days old
        {
            Tfrm_Main window;
            QVERIFY(window.admitted());
            QVERIFY(window.database().isOpen());
            QVERIFY(QFile::exists(env.where().dataFolder() + QStringLiteral("/kalmira.db")));
            QVERIFY(Beall.rendszergazda);
            QVERIFY(Beall.torzsszerkeszt);
            QCOMPARE(Beall.eva_nev, QStringLiteral("EVA"));
            QCOMPARE(Beall.evaszorzo, 15.0);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QRect work = window.screen()->availableGeometry();
            QCOMPARE(window.geometry().size(), QSize(work.right() + 1, work.bottom() + 1));
            QCOMPARE(window.font().pointSize(), 9);
            QVERIFY(window.close());
        }
        QCOMPARE(prompt.askedTexts(),
                 QStringList{QStringLiteral("Az adatbázis több mint 5 napja nem lett archiválva. Archiváljam most?")});
        QCOMPARE(prompt.asked().first().caption, QStringLiteral("Kérdés"));
        IniFile ini(env.where().IniUtvonal);
        ini.load();
        QCOMPARE(ini.sections(), (QStringList{QStringLiteral("Alapertek"), QStringLiteral("Adatbazis"), QStringLiteral("Archiv")}));
        QCOMPARE(ini.value(QStringLiteral("Adatbazis"), QStringLiteral("Utvonal")), env.where().dataFolder());
        QVERIFY(QDir(env.where().dataFolder()).entryList({QStringLiteral("kalmira-*.lock")}, QDir::Files).isEmpty());
    }

    void placedWindowUsesTheStoredBounds()
    {
        test::TestEnv env;
        writeFile(env.where().IniUtvonal, "[Alapertek]\nTeljesKep=0\nBal=30\nFelul=40\nMagas=300\nSzeles=500\nBetuMeret=10\n"
                                          "[Archiv]\nMentesDatum=2006-05-30\n");
        test::ScriptedPrompt prompt;
        Tfrm_Main window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), QRect(30, 40, 500, 300));
        QCOMPARE(window.font().pointSize(), 10);
        QVERIFY(window.close());
        QVERIFY(prompt.asked().isEmpty());
    }

    void dataFolderWithoutTablesOpensWithoutRights()
    {
        test::TestEnv env;
        const QString empty = env.path(QStringLiteral("ures"));
        writeFile(empty + QStringLiteral("/kalmira.db"), QByteArray());
        writeFile(env.where().IniUtvonal, "[Adatbazis]\nUtvonal=" + empty.toUtf8() + "\n[Archiv]\nMentesDatum=2006-05-30\n");
        test::ScriptedPrompt prompt;
        {
            Tfrm_Main window;
            QVERIFY(window.admitted());
            QVERIFY(!Beall.rendszergazda);
            QVERIFY(!Beall.torzsszerkeszt);
            QCOMPARE(prompt.asked().size(), 1);
            QCOMPARE(prompt.asked().first().kind, Ask::AppError);
            QCOMPARE(prompt.asked().first().caption, QStringLiteral("Kalmira"));
            QCOMPARE(prompt.asked().first().text, QStringLiteral("no such table: bevetel."));
            QVERIFY(window.close());
        }
        IniFile ini(env.where().IniUtvonal);
        ini.load();
        QCOMPARE(ini.value(QStringLiteral("Adatbazis"), QStringLiteral("Utvonal")), empty);
    }

    void oldIncomeRowsCountAsReceivedAfterStart()
    {
        test::TestEnv env;
        {
            Database db(QStringLiteral("setup"));
            db.open(env.dataFolder(), Database::Missing::Create);
            db.exec(QStringLiteral("INSERT INTO bevetel (bevetel, fizetve) VALUES (1, NULL), (2, 'N')"));
        }
        Beall.Utvonal = env.dataFolder();
        Database db(QStringLiteral("Ostrel"));
        openBooks(db);
        QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(fizetve, '') FROM (SELECT fizetve FROM bevetel ORDER BY bevetel)"))
                     .toString(), QStringLiteral("IN"));
    }

    void archiveReminderRule_data()
    {
        QTest::addColumn<QDate>("lastArchive");
        QTest::addColumn<bool>("due");
        QTest::newRow("5 days") << QDate(2006, 5, 26) << true;
        QTest::newRow("4 days") << QDate(2006, 5, 27) << false;
        QTest::newRow("today") << QDate(2006, 5, 31) << false;
        QTest::newRow("a year") << QDate(2005, 5, 31) << true;
    }
    void archiveReminderRule()
    {
        QFETCH(QDate, lastArchive);
        QFETCH(bool, due);
        QCOMPARE(archiveReminderDue(QDate(2006, 5, 31), lastArchive), due);
    }

    void archiveAtCloseRecordsTheDay()
    {
        test::TestEnv env(QDate(2006, 5, 31));
        test::ScriptedPrompt prompt;
        prompt.answer(true).answer(proposedArchivePath(QDate(2006, 5, 31)));
        {
            Tfrm_Main window;
            QVERIFY(window.close());
        }
        QVERIFY(QFile::exists(env.where().archiveFolder() + QStringLiteral("/20060531.zip")));
        IniFile ini(env.where().IniUtvonal);
        ini.load();
        QCOMPARE(ini.value(QStringLiteral("Archiv"), QStringLiteral("MentesDatum")), QStringLiteral("2006-05-31"));
    }

    void closeStopsWhenTheArchiveFolderCannotBeMade()
    {
        test::TestEnv env;
        writeFile(env.where().archiveFolder(), "nem mappa");
        test::ScriptedPrompt prompt;
        prompt.answer(true);
        Tfrm_Main window;
        window.show();
        QVERIFY(!window.close());
        QVERIFY(!QFile::exists(env.where().IniUtvonal));
        QFile::remove(env.where().archiveFolder());
        prompt.answer(false);
        QVERIFY(window.close());
    }

    void hintsGoToTheSecondPanel()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        prompt.answer(false);
        Tfrm_Main window;
        QStatusTipEvent tip(QStringLiteral("Bevételek nyilvántartása"));
        QApplication::sendEvent(&window, &tip);
        QCOMPARE(window.hintText(), QStringLiteral("Bevételek nyilvántartása"));
        QStatusTipEvent none{QString()};
        QApplication::sendEvent(&window, &none);
        QCOMPARE(window.hintText(), QString());
        window.close();
    }

    void wheelMovesTheCurrentRow()
    {
        QTableWidget grid(5, 2);
        grid.setCurrentCell(2, 0);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setFocus();
        WheelToArrowFilter filter;
        qApp->installEventFilter(&filter);
        const auto turn = [&](int delta) {
            QWheelEvent wheel(QPointF(5, 5), grid.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid.viewport(), &wheel);
        };
        turn(120); // away from the user
        QCOMPARE(grid.currentRow(), 1);
        turn(-120);
        turn(-120);
        QCOMPARE(grid.currentRow(), 3);
        qApp->removeEventFilter(&filter);
    }

    void maskedInputDialog()
    {
        test::TestEnv env;
        const QString longText(255, QLatin1Char('x'));
        InputMaszkDialog free(QStringLiteral("Szöveg"), QStringLiteral("Írja be:"), QString(), QString());
        free.findChild<QLineEdit *>(QStringLiteral("Edit"))->setText(longText + QStringLiteral("yz"));
        QCOMPARE(free.value(), longText);

        InputMaszkDialog period(QStringLiteral("Időszak"), QStringLiteral("Add meg"), QStringLiteral("AAAA.AA;0;_"),
                                QStringLiteral("200602"));
        auto *edit = period.findChild<QLineEdit *>(QStringLiteral("Edit"));
        QCOMPARE(edit->displayText(), QStringLiteral("2006.02"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("2007ab"));
        QCOMPARE(period.value(), QStringLiteral("2007ab"));

        QTimer::singleShot(0, &period, [&period] { period.findChild<QPushButton *>(QStringLiteral("Megsem"))->click(); });
        QCOMPARE(period.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
