#include "maintenance_helpers.h"

#include "foundation/prompt.h"
#include "maintenance/ui/upd_main_window.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace kalmira;
using namespace kalmira::test;

namespace {

void writeIni(const QString &path, const QString &folder)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral("[Alapertek]\nBetuMeret=9\n[Adatbazis]\nUtvonal=%1\n").arg(folder).toUtf8());
}

QList<int> values(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &call : spy)
        result << call.at(0).toInt();
    return result;
}

} // namespace

class TestUpdMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsItsControlsInOrder();
    void pathComesFromTheConfiguration_data();
    void pathComesFromTheConfiguration();
    void commandsDriveTheProgressAndReset();
    void unexpectedErrorIsShownUnderTheTitle();
    void bezarasClosesTheWindow();
};

void TestUpdMainWindow::showsItsControlsInOrder()
{
    TestEnv env;
    Tfrm_Upd_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), QStringLiteral("frm_Upd_Main"));
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Kalmira program adatbázis karbantartás V3.2.0.58"));
    auto *path = window.findChild<QLineEdit *>(QStringLiteral("Utvonal"));
    QVERIFY(path && path->font().bold());
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Label1")));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Adatbázis elérési útvonala"));

    const QStringList names{"Karbantartas", "Verziovaltas", "Bezaras"};
    QList<QPushButton *> buttons;
    for (const QString &name : names) {
        buttons << window.findChild<QPushButton *>(name);
        QVERIFY(buttons.last());
    }
    QCOMPARE(buttons[0]->text().remove(QLatin1Char('&')), QStringLiteral("Karbantartás"));
    QCOMPARE(buttons[1]->text().remove(QLatin1Char('&')), QStringLiteral("Verzióváltás"));
    QCOMPARE(buttons[2]->text().remove(QLatin1Char('&')), QStringLiteral("Bezárás"));
    QVERIFY(buttons[0]->x() < buttons[1]->x() && buttons[1]->x() < buttons[2]->x());
    QCOMPARE(buttons[0]->y(), buttons[2]->y());

    // Tab order: the path box, then Karbantartás, Bezárás, Verzióváltás.
    QStringList chain;
    for (QWidget *w = path->nextInFocusChain(); w != path; w = w->nextInFocusChain())
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            chain << w->objectName();
    QCOMPARE(chain, (QStringList{"Karbantartas", "Bezaras", "Verziovaltas"}));

    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("Utmutato"));
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->focusPolicy(), Qt::NoFocus);
    QCOMPARE(
        text->toPlainText().split(QLatin1Char('\n')),
        (QStringList{"Lépések, ha új verziót kíván telepíteni:", "",
                     "1. Ellenőrizze, hogy egyetlen számítógépen se fusson az Kalmira program.",
                     "2. Nyomja meg a verzióváltás gombot a frissítéshez.",
                     "3. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, ",
                     "optimalizálásához.", "",
                     "Lépések, ha adatbázisa sérült, vagy csak lassabban fut a program:", "",
                     "1. Ellenőrizze, hogy egyetlen számítógépen se működjön az Kalmira program.",
                     "2. Nyomja meg a karbantartás gombot az adatbázis hibajavításához, ",
                     "optimalizálásához."}));
    // The whole text shows without scrolling.
    QVERIFY(text->verticalScrollBar()->maximum() == 0 &&
            text->horizontalScrollBar()->maximum() == 0);

    QVERIFY(window.findChild<QLabel *>(QStringLiteral("Allapot"))->text().isEmpty());
    auto *bar = window.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

void TestUpdMainWindow::pathComesFromTheConfiguration_data()
{
    QTest::addColumn<QString>("baseIni");
    QTest::addColumn<QString>("programIni");
    QTest::addColumn<QString>("expected"); // "<program>" stands for PrgUtvonal
    QTest::newRow("no file") << QString() << QString() << "<program>/Data";
    QTest::newRow("base folder's file, as written")
        << "D:\\Konyveles\\Data\\" << QString() << "D:\\Konyveles\\Data\\";
    QTest::newRow("the file beside the program wins") << "/alap/Data"
                                                      << "/program/Data"
                                                      << "/program/Data";
}

void TestUpdMainWindow::pathComesFromTheConfiguration()
{
    QFETCH(QString, baseIni);
    QFETCH(QString, programIni);
    QFETCH(QString, expected);
    TestEnv env;
    const QString inBase = env.where().IniUtvonal;
    const QString besideProgram = env.where().PrgUtvonal + QStringLiteral("/Kalmira.ini");
    if (!baseIni.isEmpty())
        writeIni(inBase, baseIni);
    if (!programIni.isEmpty())
        writeIni(besideProgram, programIni);
    const QByteArray baseBefore = fileHash(inBase);
    const QByteArray programBefore = fileHash(besideProgram);

    {
        Tfrm_Upd_Main window;
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Utvonal"))->text(),
                 QString(expected).replace(QStringLiteral("<program>"), env.where().PrgUtvonal));
        window.show();
        window.close();
    }
    // The tool only reads the configuration file; it never makes one.
    QCOMPARE(fileHash(inBase), baseBefore);
    QCOMPARE(fileHash(besideProgram), programBefore);
    QCOMPARE(QFileInfo::exists(inBase), !baseIni.isEmpty());
    QCOMPARE(QFileInfo::exists(besideProgram), !programIni.isEmpty());
}

void TestUpdMainWindow::commandsDriveTheProgressAndReset()
{
    TestEnv env;
    {
        Database setup(QStringLiteral("Setup"));
        setup.open(env.dataFolder(), Database::Missing::Create);
    }
    ScriptedPrompt prompt;
    Tfrm_Upd_Main window;
    window.findChild<QLineEdit *>(QStringLiteral("Utvonal"))->setText(env.dataFolder());
    auto *bar = window.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    auto *status = window.findChild<QLabel *>(QStringLiteral("Allapot"));
    QSignalSpy moves(bar, &QProgressBar::valueChanged);

    window.findChild<QPushButton *>(QStringLiteral("Karbantartas"))->click();
    QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Indexek újraépítése kész.")});
    QCOMPARE(bar->maximum(), 11);
    QCOMPARE(values(moves), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}));
    QVERIFY(status->text().isEmpty());

    prompt.clear();
    moves.clear();
    window.findChild<QPushButton *>(QStringLiteral("Verziovaltas"))->click();
    QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Verzióváltás kész")});
    QCOMPARE(bar->maximum(), 5);
    QCOMPARE(values(moves), (QList<int>{2, 3, 4, 5, 1}));
    QVERIFY(status->text().isEmpty());
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("Karbantartas"))->isEnabled());
}

void TestUpdMainWindow::unexpectedErrorIsShownUnderTheTitle()
{
    TestEnv env;
    {
        Database setup(QStringLiteral("Setup"));
        setup.open(env.dataFolder(), Database::Missing::Create);
        setup.exec(QStringLiteral("DROP TABLE tmp_nyereseg"));
    }
    const QString title = applicationTitle();
    applicationTitle() = QStringLiteral("Kalmira - adatbázis karbantartás");
    ScriptedPrompt prompt;
    Tfrm_Upd_Main window;
    window.findChild<QLineEdit *>(QStringLiteral("Utvonal"))->setText(env.dataFolder());
    window.findChild<QPushButton *>(QStringLiteral("Verziovaltas"))->click();
    applicationTitle() = title;

    QCOMPARE(prompt.asked().size(), 1);
    QCOMPARE(prompt.asked()[0].kind, Ask::AppError);
    QCOMPARE(prompt.asked()[0].caption, QStringLiteral("Kalmira - adatbázis karbantartás"));
    QCOMPARE(prompt.asked()[0].text, QStringLiteral("no such table: tmp_nyereseg."));
    // The status line and the bar stay where the command stopped; the window takes input again.
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Allapot"))->text(),
             QStringLiteral("Mezők ellenőrzése"));
    QCOMPARE(window.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->value(), 4);
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("Verziovaltas"))->isEnabled());

    // The connection was let go: the file can be opened exclusively at once.
    Probe probe(env.dataFolder());
    probe.db().exec(QStringLiteral("BEGIN EXCLUSIVE"));
    probe.db().exec(QStringLiteral("ROLLBACK"));
}

void TestUpdMainWindow::bezarasClosesTheWindow()
{
    TestEnv env;
    Tfrm_Upd_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QPushButton *>(QStringLiteral("Bezaras"))->click();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestUpdMainWindow)
#include "test_upd_main_window.moc"
