// The settings dialog over a real database: what OK writes and Mégsem keeps.
#include "foundation/beall.h"
#include "foundation/database.h"
#include "shell/settings_store.h"
#include "shell/ui/beallit_dialog.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace kalmira;

namespace {

QVariantList storedRow(Database &db)
{
    QSqlQuery query = db.exec(QStringLiteral(
        "SELECT vanbelep, evaszorzo, eva, tarsasagi, cegnev, adoszam, dat_tevkezd FROM beallit"));
    QVariantList values;
    while (query.next())
        for (int i = 0; i < 7; ++i)
            values << query.value(i);
    return values;
}

int typeKey(Database &db, const QString &name)
{
    return db
        .scalar(QStringLiteral("SELECT adotip FROM adotip WHERE adotip_nev=:n"),
                {{QStringLiteral("n"), name}})
        .toInt();
}

template <class W> W *field(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<W *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no field %s", name);
    return found;
}

void chooseType(QWidget *dialog, const char *list, const QString &name)
{
    auto *combo = field<QComboBox>(dialog, list);
    combo->setCurrentIndex(combo->findText(name));
}

void typeInto(QWidget *dialog, const char *name, const QString &text)
{
    auto *edit = field<QLineEdit>(dialog, name);
    edit->clear();
    // Key clicks carry Latin-1 only; accented text goes in as typed in one piece.
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnv>();
        m_db = std::make_unique<Database>(QStringLiteral("settings"));
        m_db->open(m_env->dataFolder(), Database::Missing::Create);
        Beall.TeljesKep = true;
        Beall.Utvonal = m_env->dataFolder();
        Beall.MentesUtvonal = m_env->path(QStringLiteral("base/Archiv"));
        Beall.HtmlUt = m_env->path(QStringLiteral("base/Html"));
    }

    void cleanup()
    {
        m_db.reset();
        m_env.reset();
    }

    void cancelKeepsRowAndSettings()
    {
        test::ScriptedPrompt prompt;
        const QVariantList before = storedRow(*m_db);
        const TBeall settings = Beall;
        Tfrm_Beallit dialog(*m_db);
        QCOMPARE(field<QTabWidget>(&dialog, "PageControl1")->currentIndex(), 0);
        field<QCheckBox>(&dialog, "cbTeljesKep")->setChecked(false);
        field<QCheckBox>(&dialog, "cbVanbelep")->setChecked(true);
        typeInto(&dialog, "eUtvonal", QStringLiteral("/mashol"));
        typeInto(&dialog, "eEvaszorzo", QStringLiteral("20"));
        chooseType(&dialog, "cbEva", QStringLiteral("Iparűzési adó"));
        typeInto(&dialog, "eCegnev", QStringLiteral("Valami Kft."));
        dialog.reject();

        QCOMPARE(storedRow(*m_db), before);
        QCOMPARE(Beall.TeljesKep, settings.TeljesKep);
        QCOMPARE(Beall.Utvonal, settings.Utvonal);
        QCOMPARE(Beall.MentesUtvonal, settings.MentesUtvonal);
        QCOMPARE(Beall.HtmlUt, settings.HtmlUt);
        QVERIFY(prompt.asked().isEmpty());
    }

    void okStoresRowAndFolders()
    {
        test::ScriptedPrompt prompt;
        prompt.answer(QStringLiteral("/mentes/ide")).cancel();
        Tfrm_Beallit dialog(*m_db);
        QCOMPARE(field<QLineEdit>(&dialog, "eEvaszorzo")->text(), QStringLiteral("15"));
        QCOMPARE(field<QComboBox>(&dialog, "cbEva")->currentText(), QStringLiteral("EVA"));

        field<QCheckBox>(&dialog, "cbTeljesKep")->setChecked(false);
        field<QCheckBox>(&dialog, "cbVanbelep")->setChecked(true);
        field<QPushButton>(&dialog, "btnMentesUtvonal")->click(); // chosen
        field<QPushButton>(&dialog, "btnHtmlUt")->click();        // chooser cancelled
        QCOMPARE(prompt.asked()[0].kind, Ask::Folder);
        QCOMPARE(prompt.asked()[0].value.toString(), Beall.MentesUtvonal);
        typeInto(&dialog, "eUtvonal", QString()); // the next start takes the default folder
        typeInto(&dialog, "eEvaszorzo", QStringLiteral("37,5"));
        chooseType(&dialog, "cbEva", QStringLiteral("Iparűzési adó"));
        chooseType(&dialog, "cbTarsasagi", QStringLiteral("EVA"));
        typeInto(&dialog, "eCegnev", QStringLiteral("Kovács és Társa Bt."));
        typeInto(&dialog, "eAdoszam", QStringLiteral("12345678142"));
        QCOMPARE(field<QLineEdit>(&dialog, "eAdoszam")->displayText(),
                 QStringLiteral("12345678-1-42"));
        typeInto(&dialog, "eTevkezd", QStringLiteral("2005. 03. 01."));
        const QString html = Beall.HtmlUt;
        dialog.accept();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(storedRow(*m_db),
                 QVariantList(
                     {QStringLiteral("I"), 37.5, typeKey(*m_db, QStringLiteral("Iparűzési adó")),
                      typeKey(*m_db, QStringLiteral("EVA")), QStringLiteral("Kovács és Társa Bt."),
                      QStringLiteral("12345678142"), QStringLiteral("2005-03-01")}));
        QCOMPARE(Beall.TeljesKep, false);
        QCOMPARE(Beall.MentesUtvonal, QStringLiteral("/mentes/ide"));
        QCOMPARE(Beall.Utvonal, QString());
        QCOMPARE(Beall.HtmlUt, html);
        QCOMPARE(prompt.asked().size(), 2);

        // Opened again, the dialog shows what was stored.
        Tfrm_Beallit again(*m_db);
        QCOMPARE(field<QLineEdit>(&again, "eEvaszorzo")->text(), QStringLiteral("37,5"));
        QCOMPARE(field<QLineEdit>(&again, "eTevkezd")->text(), QStringLiteral("2005. 03. 01."));
        QCOMPARE(field<QComboBox>(&again, "cbEva")->currentText(), QStringLiteral("Iparűzési adó"));
        QVERIFY(field<QCheckBox>(&again, "cbVanbelep")->isChecked());
    }

    void fieldThatDoesNotConvertIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("number") << "eEvaszorzo"
                                << "tizenöt"
                                << "„tizenöt” nem érvényes szám.";
        QTest::newRow("date") << "eTevkezd"
                              << "2005.13.45"
                              << "„2005.13.45” nem érvényes dátum.";
        QTest::newRow("tax number") << "eAdoszam"
                                    << "1234"
                                    << "Az adószám nincs teljesen kitöltve.";
    }

    void fieldThatDoesNotConvertIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        test::ScriptedPrompt prompt;
        const QVariantList before = storedRow(*m_db);
        const QString folder = Beall.MentesUtvonal;
        Tfrm_Beallit dialog(*m_db);
        typeInto(&dialog, "eMentesUtvonal", QStringLiteral("/mashova"));
        typeInto(&dialog, name.toLatin1().constData(), typed);
        dialog.accept();

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompt.askedTexts(), QStringList{message});
        QCOMPARE(storedRow(*m_db), before);
        QCOMPARE(Beall.MentesUtvonal, folder);
        // The page of the refused field is brought up.
        auto *pages = field<QTabWidget>(&dialog, "PageControl1");
        QVERIFY(pages->currentWidget()->isAncestorOf(
            field<QLineEdit>(&dialog, name.toLatin1().constData())));
    }

    void emptyTableGetsARow()
    {
        m_db->exec(QStringLiteral("DELETE FROM beallit"));
        Tfrm_Beallit dialog(*m_db);
        QCOMPARE(field<QComboBox>(&dialog, "cbEva")->currentIndex(), -1);
        typeInto(&dialog, "eCegnev", QStringLiteral("Új cég"));
        dialog.accept();
        const BeallitRow row = loadBeallitRow(*m_db);
        QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM beallit")).toInt(), 1);
        QCOMPARE(row.cegnev, QStringLiteral("Új cég"));
        QVERIFY(!row.evaszorzo.isValid());
        QVERIFY(!row.eva.isValid());
        QVERIFY(!row.dat_tevkezd.isValid());
    }

private:
    std::unique_ptr<test::TestEnv> m_env;
    std::unique_ptr<Database> m_db;
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
