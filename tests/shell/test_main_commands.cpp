// The main window's commands, driven through the real window offscreen.
#include "foundation/beall.h"
#include "foundation/error.h"
#include "ledgers/modal_driver.h"
#include "ledgers/ui/bevetel_window.h"
#include "ledgers/ui/kiadas_window.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/open_obligation_ledger.h"
#include "ledgers/ui/type_catalogue_window.h"
#include "shell/ui/command_hooks.h"
#include "shell/ui/icons.h"
#include "shell/ui/main_window.h"
#include "shell/ui/mdi_children.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace kalmira;

namespace {

MdiChildren::Factory testChild(const QString &title)
{
    return [title] {
        auto *child = new QWidget;
        child->setWindowTitle(title);
        child->resize(300, 200);
        return child;
    };
}

QStringList entries(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

// The window list: the entries after the menu's last separator.
QList<QAction *> windowEntries(const QMenu *menu)
{
    QList<QAction *> list;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            list.clear();
        else
            list << action;
    }
    return list;
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<test::TestEnv>();
        m_prompt = std::make_unique<test::ScriptedPrompt>();
        m_window = std::make_unique<Tfrm_Main>();
        QVERIFY(m_window->database().isOpen());
        m_window->children().registerWindow(QStringLiteral("frm_Bevetel"),
                                            testChild(QStringLiteral("Bevételek")));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_prompt->clear();
    }

    void cleanup()
    {
        m_window.reset();
        m_prompt.reset();
        m_env.reset();
    }

    void menusAndToolBar()
    {
        QStringList menus;
        for (const QAction *entry : m_window->menuBar()->actions())
            menus << entry->text() + QStringLiteral(": ") +
                         entries(entry->menu()).join(QLatin1Char('|'));
        QCOMPARE(menus,
                 QStringList({
                     QStringLiteral("Kalmira: Bevételek|-|Adók|Járulékok|Kiadások|-|Bezár"),
                     QStringLiteral("Nyomtatások: Nyereség számítás|-|Bevétel diagram|Bevételek "
                                    "megoszlása|Nyereség diagram"),
                     QStringLiteral("Rendszer: Felhasználók|Szabad lekérdezés|Adatbázis "
                                    "archiválása|-|Beállítások"),
                     QStringLiteral("Ablakok: Összes|Vízszintes|Függőleges|-"),
                     QStringLiteral("Súgó: Súgó|Fontos információk|-|Tervane honlapja|Levélküldés "
                                    "Tervanenak|Újdonságok|-|Névjegy"),
                 }));

        auto *toolBar = m_window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
        QStringList buttons;
        for (QAction *action : toolBar->actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action))) {
                QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
                QVERIFY(button->width() >= 62 && button->height() >= 36);
                QVERIFY(!button->icon().isNull());
            }
        }
        QCOMPARE(buttons.join(QLatin1Char('|')),
                 QStringLiteral("Bevételek|Adók|Járulékok|Kiadások|-|Nagyít|Kicsinyít|-|Összes|"
                                "Vízszintes|Függőleges|-|Beállítások|-|Bezár"));
    }

    void everyIconRoleHasBothSizes()
    {
        for (const IconRole role : allIconRoles()) {
            for (const int size : {16, 32}) {
                const QPixmap picture = ownIcon(role).pixmap(size, size);
                QVERIFY2(!picture.isNull() && picture.width() == size,
                         qPrintable(iconFileName(role)));
            }
        }
    }

    void singleInstanceLedger()
    {
        m_window->children().registerWindow(QStringLiteral("frm_Kiadas"),
                                            testChild(QStringLiteral("Kiadások")));
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
        QTest::keyClick(m_window.get(), Qt::Key_F9);
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget()->objectName(),
                 QStringLiteral("frm_Kiadas"));

        QTest::keyClick(m_window.get(), Qt::Key_F6); // brings the open one forward
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget()->objectName(),
                 QStringLiteral("frm_Bevetel"));
    }

    // Open once, as ledgers, and wide enough that no title, date, amount or
    // text of up to ten characters is cut.
    void ledgerKeysOpenTheRealLedgersOnce()
    {
        wireCommands(*m_window); // the program's own registrations, not the test children
        m_window->resize(1280, 800);
        QTRY_VERIFY(m_window->mdiArea()->viewport()->width() > 1200);
        m_window->database().exec(
            QStringLiteral("INSERT INTO bevetel (bevetel, idoszak, negyedev, datum, bizonylat, "
                           "leiras, osszeg, novelo, csokkento, adoalap, adoeloleg, megjegyzes) "
                           "VALUES (1, '200605', '20062', '2006-05-30', 'SZ-2006/12', "
                           "'Tanácsadás', 12345678, 1234567, 1234567, 12345678, 1851852, "
                           "'május')"));
        m_window->database().exec(
            QStringLiteral("INSERT INTO kiadas (kiadas, idoszak, datum, bizonylat, leiras, osszeg, "
                           "megjegyzes) VALUES (1, '200605', '2006-05-30', 'B-2006/123', "
                           "'Irodaszerek', 12345678, 'készpénz')"));
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
        auto *income =
            qobject_cast<Tfrm_Bevetel *>(m_window->mdiArea()->activeSubWindow()->widget());
        QVERIFY(income);
        QTest::keyClick(m_window.get(), Qt::Key_F9);
        auto *expense =
            qobject_cast<Tfrm_Kiadas *>(m_window->mdiArea()->activeSubWindow()->widget());
        QVERIFY(expense);
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);

        for (LedgerWindow *ledger :
             {static_cast<LedgerWindow *>(income), static_cast<LedgerWindow *>(expense)}) {
            QVERIFY(MdiChildren::isLedger(ledger));
            QVERIFY(ledger->testAttribute(Qt::WA_DeleteOnClose));
            const LedgerGrid *grid = ledger->grid();
            // The income ledger's two picture columns keep their fixed width.
            const int first = ledger == income ? int(Tfrm_Bevetel::Sorszam) : 0;
            for (int column = first; column < grid->model()->columnCount(); ++column) {
                const QString what =
                    ledger->objectName() + QStringLiteral(" column %1").arg(column);
                QVERIFY2(grid->columnWidth(column) >=
                             grid->horizontalHeader()->sectionSizeHint(column),
                         qPrintable(what));
                QVERIFY2(grid->columnWidth(column) >=
                             grid->sizeHintForIndex(grid->model()->index(0, column)).width(),
                         qPrintable(what));
            }
        }
    }

    // A small main window: the ledgers open within its area.
    void ledgerWindowsFitTheArea()
    {
        wireCommands(*m_window);
        m_window->resize(640, 480);
        QTRY_VERIFY(m_window->mdiArea()->viewport()->width() < 700);
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        OpenAdo(m_window->mdiArea(), m_window->database(), Beall.eva, Beall.eva_nev);
        const QRect area = m_window->mdiArea()->viewport()->rect();
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
        for (const QMdiSubWindow *sub : m_window->mdiArea()->subWindowList())
            QVERIFY2(sub->width() <= area.width() && sub->height() <= area.height(),
                     qPrintable(sub->widget()->objectName()));
    }

    // F7 and F8: the type picked in the catalogue has one ledger, which a
    // second pick brings forward.
    void obligationKeysOpenThePickedTypesLedgerOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("objectName");
        QTest::newRow("F7 taxes") << int(Qt::Key_F7) << QStringLiteral("adotip")
                                  << QStringLiteral("frm_Ado");
        QTest::newRow("F8 contributions")
            << int(Qt::Key_F8) << QStringLiteral("jarulektip") << QStringLiteral("frm_Jarulek");
    }
    void obligationKeysOpenThePickedTypesLedgerOnce()
    {
        QFETCH(int, key);
        QFETCH(QString, table);
        QFETCH(QString, objectName);
        const auto typeKey = [&](const QString &order) {
            return m_window->database()
                .scalar(
                    QStringLiteral("SELECT %1 FROM %1 ORDER BY %1 %2 LIMIT 1").arg(table, order))
                .toInt();
        };
        const int first = typeKey(QStringLiteral("ASC"));
        const int last = typeKey(QStringLiteral("DESC"));
        QVERIFY(first != last);
        ObligationLedgerWindow *picked = nullptr;
        const auto pick = [&](int tipus) {
            picked = nullptr;
            // The offscreen screen activates no window after a dialog closes.
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            test::OnModal<TypeCatalogueWindow> catalogue([tipus](TypeCatalogueWindow *window) {
                QVERIFY(window->selectKey(tipus));
                window->findChild<QAction *>(QStringLiteral("aElfogad"))->trigger();
            });
            QTest::keyClick(m_window.get(), Qt::Key(key));
            QVERIFY(catalogue.ran());
            picked = qobject_cast<ObligationLedgerWindow *>(
                m_window->mdiArea()->activeSubWindow()->widget());
        };
        pick(first);
        ObligationLedgerWindow *ledger = picked;
        QVERIFY(ledger);
        QCOMPARE(ledger->objectName(), objectName);
        QCOMPARE(ledger->Tipus(), first);
        QVERIFY(MdiChildren::isLedger(ledger));
        QVERIFY(ledger->testAttribute(Qt::WA_DeleteOnClose));
        QTRY_COMPARE(windowEntries(m_window->windowMenu()).size(), 1);
        QCOMPARE(windowEntries(m_window->windowMenu())[0]->text(), ledger->windowTitle());

        pick(last);
        QVERIFY(picked && picked != ledger);
        pick(first);
        QCOMPARE(picked, ledger);
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 2);
    }

    void unwiredCommandsDoNothing()
    {
        m_window->hooks() = CommandHooks{};
        for (const char *name : {"aAdo", "aJarulek", "aSugo", "aFontos", "aHonlap", "aLevel",
                                 "aUjdonsag", "aNevjegy", "aFelhasznalo", "aSQL"})
            m_window->command(QString::fromLatin1(name))->trigger();
        m_window->children().registerWindow(QStringLiteral("frm_Bevetel"), [] { return nullptr; });
        m_window->command(QStringLiteral("aBevetel"))->trigger();
        QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(m_prompt->asked().isEmpty());
    }

    void arrangementNeedsAChild()
    {
        const QStringList names{QStringLiteral("WindowCascade1"),
                                QStringLiteral("WindowTileHorizontal1"),
                                QStringLiteral("WindowTileVertical1")};
        auto *toolBar = m_window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
        const auto enabled = [&](bool expected) {
            for (const QString &name : names) {
                QAction *action = m_window->command(name);
                if (action->isEnabled() != expected ||
                    toolBar->widgetForAction(action)->isEnabled() != expected)
                    return false;
            }
            return true;
        };
        QVERIFY(enabled(false));
        m_window->command(QStringLiteral("aBevetel"))->trigger();
        QTRY_VERIFY(enabled(true));

        // The tiles split the area between the open children.
        m_window->children().registerWindow(QStringLiteral("frm_Kiadas"),
                                            testChild(QStringLiteral("Kiadások")));
        m_window->command(QStringLiteral("aKiadas"))->trigger();
        m_window->command(QStringLiteral("WindowTileVertical1"))->trigger();
        const QList<QMdiSubWindow *> subs = m_window->mdiArea()->subWindowList();
        const int width = m_window->mdiArea()->viewport()->width();
        QCOMPARE(subs[0]->geometry(),
                 QRect(0, 0, width / 2, m_window->mdiArea()->viewport()->height()));
        QCOMPARE(subs[1]->x(), width / 2);
        m_window->command(QStringLiteral("WindowTileHorizontal1"))->trigger();
        QCOMPARE(subs[1]->geometry().topLeft(),
                 QPoint(0, m_window->mdiArea()->viewport()->height() / 2));
        QCOMPARE(subs[1]->width(), width);

        for (QMdiSubWindow *sub : subs)
            sub->close();
        QTRY_VERIFY(enabled(false));
    }

    void windowMenuListsChildren()
    {
        m_window->children().registerWindow(QStringLiteral("frm_Kiadas"),
                                            testChild(QStringLiteral("Kiadások")));
        m_window->command(QStringLiteral("aBevetel"))->trigger();
        m_window->command(QStringLiteral("aKiadas"))->trigger();
        QMenu *menu = m_window->windowMenu();
        QTRY_COMPARE(windowEntries(menu).size(), 2);
        QList<QAction *> list = windowEntries(menu);
        QCOMPARE(list[0]->text(), QStringLiteral("Bevételek"));
        QCOMPARE(list[1]->text(), QStringLiteral("Kiadások"));
        QVERIFY(!list[0]->isChecked());
        QVERIFY(list[1]->isChecked());

        list[0]->trigger();
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget()->objectName(),
                 QStringLiteral("frm_Bevetel"));
        QTRY_VERIFY(windowEntries(menu).size() == 2 && windowEntries(menu)[0]->isChecked() &&
                    !windowEntries(menu)[1]->isChecked());
    }

    void fontCommands_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("steps"); // positive: F11 presses, negative: F12 presses
        QTest::addColumn<int>("expected");
        QTest::newRow("enlarge at 10") << 10 << 1 << 10;
        QTest::newRow("reduce at 8") << 8 << -1 << 8;
        QTest::newRow("three enlargements from 9") << 9 << 3 << 10;
        QTest::newRow("reduce from 10 twice") << 10 << -2 << 8;
        QTest::newRow("enlarge from 8") << 8 << 1 << 9;
    }

    void fontCommands()
    {
        QFETCH(int, start);
        QFETCH(int, steps);
        QFETCH(int, expected);
        Beall.BetuMeret = start;
        m_window->applyFontSize();
        m_window->command(QStringLiteral("aBevetel"))->trigger();
        QWidget *ledger = m_window->children().find(QStringLiteral("frm_Bevetel"));
        QFont own = ledger->font();
        own.setPointSize(start);
        ledger->setFont(own); // as a ledger window does when shown
        QWidget *other = m_window->children().showSingle(
            QStringLiteral("frm_Egyeb"), {},
            [] {
                auto *child = new QWidget;
                QFont fixed = child->font();
                fixed.setPointSize(14);
                child->setFont(fixed);
                return child;
            },
            MdiChildren::Kind::Other);

        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(m_window.get(), steps > 0 ? Qt::Key_F11 : Qt::Key_F12);
        QCOMPARE(Beall.BetuMeret, expected);
        QCOMPARE(m_window->font().pointSize(), expected);
        QCOMPARE(ledger->font().pointSize(), expected);
        QCOMPARE(other->font().pointSize(), 14);
    }

    // The font commands reach the ledger windows the program opens.
    void fontCommandsReachTheRealLedgers()
    {
        wireCommands(*m_window);
        Beall.BetuMeret = 9;
        m_window->applyFontSize();
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QWidget *income = m_window->mdiArea()->activeSubWindow()->widget();
        QWidget *tax = OpenAdo(m_window->mdiArea(), m_window->database(), Beall.eva, Beall.eva_nev);
        QVERIFY(qobject_cast<Tfrm_Bevetel *>(income) && tax);
        QCOMPARE(income->font().pointSize(), 9);
        QCOMPARE(tax->font().pointSize(), 9);
        QTest::keyClick(m_window.get(), Qt::Key_F11);
        for (QWidget *ledger : {income, tax}) {
            QCOMPARE(ledger->font().pointSize(), 10);
            QCOMPARE(ledger->findChild<QTableView *>(QStringLiteral("DBGrid1"))->font().pointSize(),
                     10);
        }
        QTest::keyClick(m_window.get(), Qt::Key_F12);
        QTest::keyClick(m_window.get(), Qt::Key_F12);
        QCOMPARE(income->font().pointSize(), 8);
        QCOMPARE(tax->font().pointSize(), 8);
    }

    void administratorCommandsNeedTheRight()
    {
        int opened = 0;
        m_window->hooks().felhasznalok = [&] { ++opened; };
        m_window->hooks().sql = [&] { ++opened; };
        Beall.rendszergazda = false;
        for (const char *name : {"aFelhasznalo", "aSQL", "aBeallit"})
            m_window->command(QString::fromLatin1(name))->trigger();
        QCOMPARE(opened, 0);
        QCOMPARE(m_prompt->askedTexts(),
                 QStringList(3, QStringLiteral("Nincs jogosultság a művelethez.")));
        for (const Question &question : m_prompt->asked())
            QCOMPARE(question.kind, Ask::Hiba);

        m_prompt->clear();
        m_prompt->cancel(); // the archive's save dialog
        m_window->command(QStringLiteral("aArchiv"))->trigger();
        QCOMPARE(m_prompt->asked().size(), 1);
        QCOMPARE(m_prompt->asked()[0].kind, Ask::SaveFile);

        m_prompt->clear();
        Beall.rendszergazda = true;
        m_window->command(QStringLiteral("aFelhasznalo"))->trigger();
        m_window->command(QStringLiteral("aSQL"))->trigger();
        QCOMPARE(opened, 2);
        QVERIFY(m_prompt->asked().isEmpty());
    }

    void reportCommandsAskForARange()
    {
        QStringList ran;
        const auto record = [&ran](const char *name) {
            return [&ran, name](const QString &tol, const QString &ig) {
                ran << QStringLiteral("%1 %2-%3").arg(QLatin1String(name), tol, ig);
            };
        };
        m_window->hooks().nyereseg = record("nyereseg");
        m_window->hooks().chBevetel = record("chBevetel");
        m_window->hooks().chBevMegoszlas = record("chBevMegoszlas");
        m_window->hooks().chNyereseg = record("chNyereseg");
        const QStringList commands{QStringLiteral("aNyomNyereseg"), QStringLiteral("aChBevetel"),
                                   QStringLiteral("aChBevMegoszlas"),
                                   QStringLiteral("aChNyereseg")};
        for (const QString &name : commands) {
            m_prompt->cancel();
            m_window->command(name)->trigger();
        }
        QVERIFY(ran.isEmpty());
        QCOMPARE(m_prompt->asked().size(), 4);
        QCOMPARE(m_prompt->asked()[0].kind, Ask::Idoszak);
        QCOMPARE(m_prompt->asked()[0].value.toStringList(),
                 QStringList({QStringLiteral("200601"), QStringLiteral("200612")}));

        for (const QString &name : commands) {
            m_prompt->answer(QStringList{QStringLiteral("200603"), QStringLiteral("200605")});
            m_window->command(name)->trigger();
        }
        QCOMPARE(ran, QStringList({QStringLiteral("nyereseg 200603-200605"),
                                   QStringLiteral("chBevetel 200603-200605"),
                                   QStringLiteral("chBevMegoszlas 200603-200605"),
                                   QStringLiteral("chNyereseg 200603-200605")}));
    }

    void failureIsShownNotThrown()
    {
        m_window->hooks().sugo = [] { throw Error(QStringLiteral("A súgó nem nyitható meg")); };
        m_window->command(QStringLiteral("aSugo"))->trigger();
        QCOMPARE(m_prompt->asked().size(), 1);
        QCOMPARE(m_prompt->asked()[0].kind, Ask::AppError);
        QCOMPARE(m_prompt->asked()[0].caption, QStringLiteral("Kalmira"));
        QCOMPARE(m_prompt->asked()[0].text, QStringLiteral("A súgó nem nyitható meg."));
    }

    // The settings are loaded again after the dialog, confirmed or not.
    void settingsCommandLoadsTheSettings()
    {
        const int eva = Beall.eva;
        QVERIFY(eva > 0);
        Beall.evaszorzo = -1;
        QTimer::singleShot(0, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QCOMPARE(dialog->objectName(), QStringLiteral("frm_Beallit"));
            auto *list = dialog->findChild<QComboBox *>(QStringLiteral("cbEva"));
            list->setCurrentIndex(list->findText(QStringLiteral("Iparűzési adó")));
            dialog->findChild<QPushButton *>(QStringLiteral("Megsem"))->click();
        });
        m_window->command(QStringLiteral("aBeallit"))->trigger();
        QCOMPARE(Beall.eva, eva);
        QCOMPARE(Beall.evaszorzo, 15.0);

        QTimer::singleShot(0, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            auto *list = dialog->findChild<QComboBox *>(QStringLiteral("cbEva"));
            list->setCurrentIndex(list->findText(QStringLiteral("Iparűzési adó")));
            dialog->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        });
        m_window->command(QStringLiteral("aBeallit"))->trigger();
        QVERIFY(Beall.eva != eva);
        QCOMPARE(Beall.eva_nev, QStringLiteral("Iparűzési adó"));
        QCOMPARE(Beall.eva,
                 m_window->database()
                     .scalar(QStringLiteral("SELECT adotip FROM adotip WHERE adotip_nev=:n"),
                             {{QStringLiteral("n"), QStringLiteral("Iparűzési adó")}})
                     .toInt());
        QVERIFY(m_prompt->asked().isEmpty());
    }

private:
    std::unique_ptr<test::TestEnv> m_env;
    std::unique_ptr<test::ScriptedPrompt> m_prompt;
    std::unique_ptr<Tfrm_Main> m_window;
};

QTEST_MAIN(TestMainCommands)
#include "test_main_commands.moc"
