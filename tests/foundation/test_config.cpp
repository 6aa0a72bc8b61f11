#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/config.h"
#include "foundation/ini_file.h"
#include "foundation/window_positions.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kalmira;
using test::readFile;
using test::writeFile;


class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void defaultsWithoutAFile()
    {
        test::TestEnv env(QDate(2006, 5, 31));
        test::ScriptedPrompt prompt;
        LoadIni();
        QCOMPARE(Beall.BetuMeret, 9);
        QCOMPARE(Beall.TeljesKep, true);
        QCOMPARE(Beall.Bal, 5);
        QCOMPARE(Beall.Felul, 5);
        QCOMPARE(Beall.Magas, 400);
        QCOMPARE(Beall.Szeles, 640);
        QCOMPARE(Beall.Idoszak, QStringLiteral("200605"));
        QCOMPARE(Beall.Utvonal, env.where().AlapUtvonal + QStringLiteral("/Data"));
        QCOMPARE(Beall.HtmlUt, env.where().AlapUtvonal + QStringLiteral("/Html"));
        QVERIFY(QFileInfo(Beall.HtmlUt).isDir());
        QCOMPARE(Beall.MentesUtvonal, env.where().AlapUtvonal + QStringLiteral("/Archiv"));
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 21));
        QVERIFY2(prompt.asked().isEmpty(), "a new installation is not told off about its data folder");
        QVERIFY(!QFile::exists(env.where().IniUtvonal));
    }

    void unreadableValuesTakeTheirDefaults()
    {
        test::TestEnv env(QDate(2006, 5, 31));
        test::ScriptedPrompt prompt;
        writeFile(env.where().IniUtvonal, "[Alapertek]\nBetuMeret=nagy\nTeljesKep=talán\nBal=12\nSzeles=\n"
                                          "[Archiv]\nMentesDatum=tegnap\n");
        LoadIni();
        QCOMPARE(Beall.BetuMeret, 9);
        QCOMPARE(Beall.TeljesKep, true);
        QCOMPARE(Beall.Bal, 12);
        QCOMPARE(Beall.Szeles, 640);
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 21));
        QVERIFY(prompt.asked().isEmpty());
    }

    void valuesAreReadInBothDateFormsAndAnyBoolean()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        writeFile(env.where().IniUtvonal, "[Alapertek]\nBetuMeret=12\nTeljesKep=2\nIdoszak=200411\n"
                                          "[Archiv]\nMentesDatum=2006. 05. 20.\n");
        LoadIni();
        QCOMPARE(Beall.BetuMeret, 12);
        QCOMPARE(Beall.TeljesKep, true);
        QCOMPARE(Beall.Idoszak, QStringLiteral("200411"));
        QCOMPARE(Beall.MentesDatum, QDate(2006, 5, 20));
    }

    void missingDataFolderIsReportedAndReplaced()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        writeFile(env.where().IniUtvonal, "[Adatbazis]\nUtvonal=" + env.path(QStringLiteral("nincs")).toUtf8()
                                              + "\n[Archiv]\nMentesUtvonal=/nincs/ilyen\n");
        LoadIni();
        QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Nem létező adatbázis mappa, alapértelmezés visszaállítva.")});
        QCOMPARE(prompt.asked().first().caption, QStringLiteral("Hiba"));
        QCOMPARE(Beall.Utvonal, env.where().dataFolder());
        QCOMPARE(Beall.MentesUtvonal, env.where().archiveFolder());
    }

    void existingDataFolderIsKept()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        const QString mine = env.path(QStringLiteral("konyvek/"));
        QDir().mkpath(mine);
        writeFile(env.where().IniUtvonal, "[Adatbazis]\nUtvonal=" + mine.toUtf8() + "\n");
        LoadIni();
        QVERIFY(prompt.asked().isEmpty());
        QCOMPARE(QDir(Beall.Utvonal).canonicalPath(), QDir(mine).canonicalPath());
    }

    void freshFileHasItsKeysInOrder()
    {
        test::TestEnv env(QDate(2006, 5, 31));
        test::ScriptedPrompt prompt;
        LoadIni();
        QVERIFY(SaveIni(1, 2, 300, 400));
        IniFile ini(env.where().IniUtvonal);
        ini.load();
        QCOMPARE(ini.sections(), (QStringList{QStringLiteral("Alapertek"), QStringLiteral("Adatbazis"), QStringLiteral("Archiv")}));
        QCOMPARE(ini.keys(QStringLiteral("Alapertek")),
                 (QStringList{QStringLiteral("BetuMeret"), QStringLiteral("TeljesKep"), QStringLiteral("Idoszak"),
                              QStringLiteral("Bal"), QStringLiteral("Felul"), QStringLiteral("Magas"), QStringLiteral("Szeles")}));
        QCOMPARE(ini.keys(QStringLiteral("Adatbazis")), (QStringList{QStringLiteral("Utvonal"), QStringLiteral("HtmlUt")}));
        QCOMPARE(ini.keys(QStringLiteral("Archiv")), (QStringList{QStringLiteral("MentesUtvonal"), QStringLiteral("MentesDatum")}));
        QCOMPARE(ini.value(QStringLiteral("Alapertek"), QStringLiteral("Magas")), QStringLiteral("300"));
        QCOMPARE(ini.value(QStringLiteral("Alapertek"), QStringLiteral("TeljesKep")), QStringLiteral("1"));
        QCOMPARE(ini.value(QStringLiteral("Alapertek"), QStringLiteral("Idoszak")), QStringLiteral("200605"));
        QCOMPARE(ini.value(QStringLiteral("Archiv"), QStringLiteral("MentesDatum")), QStringLiteral("2006-05-21"));
    }

    void existingFileKeepsItsOrderAndGainsNewKeysAtTheEnd()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        writeFile(env.where().IniUtvonal, "; saját megjegyzés\n[frm_Beallit]\nLeft=30\nTop=40\n\n"
                                          "[Alapertek]\nIdoszak=200401\nBetuMeret=10\n");
        LoadIni();
        SaveIni(5, 5, 400, 640);
        SavePozicio(QStringLiteral("frm_Idoszak"), 7, 8);
        const QByteArray text = readFile(env.where().IniUtvonal);
        QVERIFY(text.startsWith("; saját megjegyzés\n[frm_Beallit]\nLeft=30\nTop=40\n\n[Alapertek]\nIdoszak=200401\nBetuMeret=10\nTeljesKep=1\n"));
        QVERIFY(text.indexOf("[Alapertek]") < text.indexOf("[Adatbazis]"));
        QVERIFY(text.endsWith("[frm_Idoszak]\nLeft=7\nTop=8\n"));
    }

    void fileBesideTheProgramWins()
    {
        test::TestEnv env;
        test::ScriptedPrompt prompt;
        const QString beside = env.where().PrgUtvonal + QStringLiteral("/Kalmira.ini");
        writeFile(beside, "[Alapertek]\nBetuMeret=12\n");
        writeFile(env.where().IniUtvonal, "[Alapertek]\nBetuMeret=8\n");
        chooseIniBesideProgram(locations());
        QCOMPARE(env.where().IniUtvonal, beside);
        LoadIni();
        QCOMPARE(Beall.BetuMeret, 12);
        SaveIni(1, 1, 1, 1);
        QVERIFY(readFile(beside).contains("Szeles=1"));
        QCOMPARE(readFile(env.path(QStringLiteral("base/Kalmira.ini"))), QByteArray("[Alapertek]\nBetuMeret=8\n"));
    }

    void locationsAreMadeOnFirstRun()
    {
        test::TestEnv env;
        qputenv("XDG_DATA_HOME", env.path(QStringLiteral("xdg")).toUtf8());
        const Locations resolved = resolveLocations(env.path(QStringLiteral("program/")));
        QCOMPARE(resolved.PrgUtvonal, env.path(QStringLiteral("program")));
        QCOMPARE(resolved.AlapUtvonal, env.path(QStringLiteral("xdg/Kalmira")));
        QCOMPARE(resolved.IniUtvonal, env.path(QStringLiteral("xdg/Kalmira/Kalmira.ini")));
        QVERIFY(QFileInfo(resolved.AlapUtvonal + QStringLiteral("/Temp")).isDir());
    }

    void windowPositions()
    {
        test::TestEnv env;
        int left = 0, top = 0, height = 300, width = 500;
        LoadMeret(QStringLiteral("frm_SQL"), left, top, height, width);
        QCOMPARE(QList<int>({left, top, height, width}), QList<int>({10, 10, 300, 500}));
        SaveMeret(QStringLiteral("frm_SQL"), 20, 30, 350, 550);
        height = width = 0;
        LoadMeret(QStringLiteral("frm_SQL"), left, top, height, width);
        QCOMPARE(QList<int>({left, top, height, width}), QList<int>({20, 30, 350, 550}));
        IniFile ini(env.where().IniUtvonal);
        ini.load();
        QCOMPARE(ini.keys(QStringLiteral("frm_SQL")),
                 (QStringList{QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Width"), QStringLiteral("Height")}));
        LoadPozicio(QStringLiteral("frm_Beallit"), left, top);
        QCOMPARE(QList<int>({left, top}), QList<int>({10, 10}));
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
