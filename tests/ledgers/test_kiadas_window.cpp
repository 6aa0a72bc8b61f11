#include "books_fixture.h"
#include "foundation/database.h"
#include "ledgers/ui/bevetel_window.h"
#include "ledgers/ui/kiadas_window.h"
#include "ledgers/ui/szerkeszt_bev.h"
#include "ledgers/ui/szerkeszt_kiad.h"
#include "support/scripted_prompt.h"
#include "window_driver.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolBar>

using namespace kalmira;
using namespace Qt::StringLiterals;

using test::field;
using test::layoutOf;
constexpr auto whenDialogOpens = test::whenDialogOpens<Tfrm_Szerkeszt_Kiad>;

class TestKiadasWindow : public QObject, test::BooksFixture
{
    Q_OBJECT

    std::unique_ptr<test::ScriptedPrompt> prompt;
    std::unique_ptr<QMdiArea> mdi;
    Tfrm_Kiadas *window = nullptr;

    void press(QKeySequence keys) { test::pressOnGrid(mdi.get(), window->grid(), keys); }

private Q_SLOTS:
    void init()
    {
        openBooks(u"ledger"_s);
        prompt = std::make_unique<test::ScriptedPrompt>();
        mdi = std::make_unique<QMdiArea>();
        mdi->resize(1000, 500);
        mdi->show();
        window = Tfrm_Kiadas::Open(*mdi, *db);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup()
    {
        mdi.reset();
        prompt.reset();
        closeBooks();
    }

    void opensOnceBesideTheIncomeLedgerWithItsCommands()
    {
        Tfrm_Bevetel::Open(*mdi, *db);
        QCOMPARE(Tfrm_Kiadas::Open(*mdi, *db), window);
        QCOMPARE(mdi->subWindowList().size(), 2);
        QCOMPARE(window->objectName(), u"frm_Kiadas"_s);
        QCOMPARE(window->windowTitle(), u"Kiadások"_s);
        QCOMPARE(layoutOf(window->toolBar()->actions()),
                 (QStringList{u"Új sor"_s, u"Szerkesztés"_s, u"Töröl"_s, u"|"_s, u"Szűrés"_s,
                              u"|"_s, u"Nyomtat"_s, u"Html export"_s, u"|"_s, u"Bezár"_s}));
        QCOMPARE(layoutOf(window->contextMenu()->actions()),
                 (QStringList{u"Új sor"_s, u"Szerkesztés"_s, u"Töröl"_s, u"|"_s, u"Szűrés"_s,
                              u"|"_s, u"Nyomtat"_s, u"|"_s, u"Bezár"_s}));
        QCOMPARE(window->aSzerkeszt->toolTip(), u"Szerkesztés"_s);
        QCOMPARE(window->aSzerkeszt->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(window->aSzur->toolTip(), u"Szűrés időszakra"_s);
        QCOMPARE(window->aHtml->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        QCOMPARE(window->model()->sortColumn(), int(Tfrm_Kiadas::Sorszam));
        QStringList titles;
        for (int column = 0; column < window->model()->columnCount(); ++column)
            titles
                << window->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(titles, (QStringList{u"kiadás"_s, u"dátum"_s, u"bizonylat"_s, u"leírás"_s,
                                      u"összeg"_s, u"megjegyzés"_s}));
        const int width = window->grid()->width();
        QCOMPARE(window->grid()->columnWidth(Tfrm_Kiadas::Leiras), int((width - 33) * 0.22));
        // Its share of a narrow window would cut the number column's title.
        const QHeaderView *header = window->grid()->horizontalHeader();
        QVERIFY(int((width - 33) * 0.05) < header->sectionSizeHint(Tfrm_Kiadas::Sorszam));
        QCOMPARE(window->grid()->columnWidth(Tfrm_Kiadas::Sorszam),
                 header->sectionSizeHint(Tfrm_Kiadas::Sorszam));
    }

    void newExpenseInAClosedIncomeQuarterIsPostedAtOnce()
    {
        db->exec(u"INSERT INTO zaras (negyedev) VALUES ('20062')"_s);
        db->exec(u"INSERT INTO kiadas (kiadas, leiras) VALUES (1, 'Posta'), (2, 'benzin')"_s);
        window->refresh();
        bool seen = false;
        whenDialogOpens(
            [this](Tfrm_Szerkeszt_Kiad *dialog) {
                QCOMPARE(dialog->windowTitle(), u"Kiadások szerkesztése"_s);
                QCOMPARE(field<QLineEdit>(dialog, "eSorszam")->text(), u"00003"_s);
                auto *leiras = field<QComboBox>(dialog, "cbLeiras");
                QCOMPARE(leiras->count(), 2);
                QCOMPARE(leiras->itemText(0), u"benzin"_s);
                QTest::keyClicks(field<QLineEdit>(dialog, "eBizonylat"), u"k-12a"_s);
                leiras->setEditText(u"Posta"_s);
                field<QLineEdit>(dialog, "eOsszeg")->setText(u"1 250,5"_s);
                field<QDateEdit>(dialog, "dtDatum")->setDate(QDate(2006, 4, 3));
                field<QPushButton>(dialog, "btnOK")->click();
                QVERIFY(!dialog->isVisible());
                QVERIFY(prompt->asked().isEmpty());
            },
            &seen);
        press(QKeySequence(Qt::Key_Insert));
        QVERIFY(seen);
        const PagedTableModel *model = window->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(window->grid()->currentRow(), 2);
        QCOMPARE(model->index(2, Tfrm_Kiadas::Sorszam).data().toString(), u"00003"_s);
        QCOMPARE(model->index(2, Tfrm_Kiadas::Datum).data().toString(), u"2006.04.03."_s);
        QCOMPARE(model->index(2, Tfrm_Kiadas::Bizonylat).data().toString(), u"K-12A"_s);
        QCOMPARE(model->index(2, Tfrm_Kiadas::Osszeg).data().toString(), u"1 251"_s);
        QCOMPARE(model->value(2, u"osszeg"_s).toDouble(), 1250.5);
        QCOMPARE(model->value(2, u"negyedev"_s).toString(), u"20062"_s);
        QCOMPARE(model->value(2, u"lezarva"_s).toString(), u"N"_s);
    }

    void textThatIsNoNumberIsRefused()
    {
        bool seen = false;
        whenDialogOpens(
            [this](Tfrm_Szerkeszt_Kiad *dialog) {
                field<QLineEdit>(dialog, "eOsszeg")->setText(u"1,2,3"_s);
                field<QPushButton>(dialog, "btnOK")->click();
                QVERIFY(dialog->isVisible());
                QCOMPARE(prompt->askedTexts(), QStringList{u"Nem megfelelő érték."_s});
                dialog->reject();
            },
            &seen);
        press(QKeySequence(Qt::Key_Insert));
        QVERIFY(seen);
        QCOMPARE(window->model()->rowCount(), 0);
    }

    void deleteRenumbersTheLaterExpenses()
    {
        db->exec(u"INSERT INTO kiadas (kiadas, leiras) VALUES (1, 'a'), (2, 'b'), (3, 'c')"_s);
        window->refresh();
        QVERIFY(window->grid()->selectKey(2));
        prompt->answer(true);
        press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(prompt->askedTexts(), QStringList{u"Valóban töröljem a sort?"_s});
        QSqlQuery q = db->exec(u"SELECT kiadas, leiras FROM kiadas ORDER BY 1"_s);
        QStringList rows;
        while (q.next())
            rows << q.value(0).toString() + q.value(1).toString();
        QCOMPARE(rows, (QStringList{u"1a"_s, u"2c"_s}));
        QCOMPARE(window->model()->index(1, Tfrm_Kiadas::Sorszam).data().toString(), u"00002"_s);
    }

    // Tab and Enter walk the fields of both row dialogs top to bottom, the
    // income dialog's own fields after the amount, the buttons last.
    void rowDialogsWalkTheirFieldsInOrder()
    {
        const auto walk = [](QDialog *dialog) {
            QStringList names;
            QWidget *at = field<QDateEdit>(dialog, "dtDatum");
            do {
                if (at->parentWidget() == dialog && (at->focusPolicy() & Qt::TabFocus))
                    names << at->objectName();
                at = at->nextInFocusChain();
            } while (at != field<QDateEdit>(dialog, "dtDatum"));
            return names;
        };
        const QStringList shared{u"dtDatum"_s, u"eBizonylat"_s, u"cbLeiras"_s, u"eMegjegyzes"_s,
                                 u"eOsszeg"_s};
        Tfrm_Szerkeszt_Kiad expense(*db, UjKiadas(*db), true);
        QCOMPARE(walk(&expense), (shared + QStringList{u"btnOK"_s, u"btnMegsem"_s}));
        Tfrm_Szerkeszt_Bev income(*db, UjBevetel(*db), true);
        QCOMPARE(walk(&income), (shared + QStringList{u"eNovelo"_s, u"eCsokkento"_s, u"cbFizetve"_s,
                                                      u"btnOK"_s, u"btnMegsem"_s}));
    }
};

QTEST_MAIN(TestKiadasWindow)
#include "test_kiadas_window.moc"
