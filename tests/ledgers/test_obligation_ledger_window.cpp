#include "books_fixture.h"
#include "foundation/clock.h"
#include "foundation/database.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/obligation_edit_dialog.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/open_obligation_ledger.h"
#include "ledgers/ui/type_catalogue_window.h"
#include "modal_driver.h"
#include "support/scripted_prompt.h"
#include "window_driver.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace kalmira;
using namespace Qt::StringLiterals;
using test::captions;

namespace {

template <typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", qPrintable(name));
    return found;
}

} // namespace

class TestObligationLedgerWindow : public QObject, test::BooksFixture
{
    Q_OBJECT

    std::unique_ptr<QMdiArea> area;

    int addTaxType(const QString &name, double mertek, double csokk, double nov, const QString &fix)
    {
        QSqlQuery q = db->exec(
            u"INSERT INTO adotip (adotip_nev, mertek, csokkmertek, novmertek, fix) "
            "VALUES (:n, :m, :c, :v, :f)"_s,
            {{u"n"_s, name}, {u"m"_s, mertek}, {u"c"_s, csokk}, {u"v"_s, nov}, {u"f"_s, fix}});
        return q.lastInsertId().toInt();
    }
    int keyOf(const QString &name)
    {
        return db->scalar(u"SELECT adotip FROM adotip WHERE adotip_nev=:n"_s, {{u"n"_s, name}})
            .toInt();
    }
    // "sorszam:idoszak:fizetendo" of every row of the tax type, by number.
    QStringList rows(int tipus)
    {
        QSqlQuery q = db->exec(
            u"SELECT sorszam, idoszak, fizetendo FROM ado WHERE adotip=:t ORDER BY sorszam"_s,
            {{u"t"_s, tipus}});
        QStringList out;
        while (q.next())
            out << u"%1:%2:%3"_s.arg(q.value(0).toString(), q.value(1).toString(),
                                     q.value(2).toString());
        return out;
    }
    // What the grid shows in that column, row by row.
    static QStringList shown(ObligationLedgerWindow *window, int column)
    {
        QStringList out;
        for (int row = 0; row < window->model()->rowCount(); ++row)
            out << window->model()->index(row, column).data().toString();
        return out;
    }
    // Whether the cell shows the green tick: some plainly green pixels in it.
    static bool showsTick(ObligationLedgerWindow *window, int row, int column)
    {
        QTableView *grid = window->grid();
        const QRect cell = grid->visualRect(window->model()->index(row, column));
        const QImage image = grid->viewport()->grab(cell).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.green() > 120 && c.red() < 90 && c.blue() < 90)
                    return true;
            }
        return false;
    }
    // A new row through the dialog: the due date, the base, then the compute button.
    void addRow(ObligationLedgerWindow *window, QDate due, const QString &base)
    {
        test::OnModal<Tfrm_Szerkeszt_Ado> dialog([&](Tfrm_Szerkeszt_Ado *d) {
            child<QDateEdit>(d, u"dtEsedekes"_s)->setDate(due);
            auto *edit = child<QLineEdit>(d, u"edAdoalap"_s);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, base);
            QTest::mouseClick(child<QToolButton>(d, u"btnSzamol"_s), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(d, u"btnOk"_s), Qt::LeftButton);
        });
        window->findChild<QAction *>(u"aUj"_s)->trigger();
        QVERIFY(dialog.ran());
    }

private Q_SLOTS:
    void init()
    {
        openBooks(u"ledger"_s);
        area = std::make_unique<QMdiArea>();
        area->resize(1000, 700);
        area->show();
        QVERIFY(QTest::qWaitForWindowActive(area.get()));
    }
    void cleanup()
    {
        area.reset();
        closeBooks();
    }

    void commandsOfBothSides_data()
    {
        QTest::addColumn<bool>("contributions");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("baseTitle");
        QTest::newRow("taxes") << false << u"frm_Ado"_s << u"Összesítés adókról: T"_s
                               << u"Megfizet"_s << u"adóalap"_s;
        QTest::newRow("contributions")
            << true << u"frm_Jarulek"_s << u"Összesítés járulékokról: T"_s << u"Megfizetve"_s
            << u"járulékalap"_s;
    }
    void commandsOfBothSides()
    {
        QFETCH(bool, contributions);
        QFETCH(QString, paid);
        ObligationLedgerWindow *window =
            contributions
                ? static_cast<ObligationLedgerWindow *>(OpenJarulek(area.get(), *db, 1, u"T"_s))
                : OpenAdo(area.get(), *db, 1, u"T"_s);
        QTEST(window->objectName(), "objectName");
        QTEST(window->windowTitle(), "caption");
        const QStringList titles{u"bev"_s,       u"kif."_s,       u"sorszám"_s,   u"esedékes"_s,
                                 u"BASE"_s,      u"mérték"_s,     u"csökkentő"_s, u"növelő"_s,
                                 u"fizetendő"_s, u"megfizetve"_s, u"kifizetve"_s, u"bevallva"_s};
        for (int column = 0; column < titles.size(); ++column) {
            const QString title =
                window->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            if (column == 4)
                QTEST(title, "baseTitle");
            else
                QCOMPARE(title, titles[column]);
        }
        const QStringList order{u"Új sor"_s,    u"Szerkeszt"_s, u"Töröl"_s,  u"|"_s, u"Bevallva"_s,
                                paid,           u"|"_s,         u"Szűrés"_s, u"|"_s, u"Nyomtat"_s,
                                u"Html exp."_s, u"|"_s,         u"Bezár"_s};
        QCOMPARE(captions(window->findChild<QToolBar *>(u"ToolBar1"_s)->actions()), order);
        QCOMPARE(captions(window->contextMenu()->actions()), order);
        const QList<std::tuple<QString, QString, QKeySequence>> commands{
            {u"aUj"_s, u"Új sor"_s, QKeySequence(Qt::Key_Insert)},
            {u"aSzerkeszt"_s, u"Szerkesztés"_s, QKeySequence(Qt::Key_F2)},
            {u"aTorol"_s, u"Töröl"_s, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {u"aBevallva"_s, u"Bevallva"_s, QKeySequence(Qt::CTRL | Qt::Key_B)},
            {u"aMegfizet"_s, paid, QKeySequence(Qt::CTRL | Qt::Key_M)},
            {u"aSzur"_s, u"Szűrés időszakra"_s, QKeySequence(Qt::Key_F3)},
            {u"aNyomtat"_s, u"Nyomtat"_s, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {u"aHtml"_s, u"Html export"_s, QKeySequence(Qt::CTRL | Qt::Key_H)},
            {u"aBezar"_s, u"Bezár"_s, QKeySequence(Qt::CTRL | Qt::Key_F4)}};
        for (const auto &[name, hint, key] : commands) {
            const auto *action = window->findChild<QAction *>(name);
            QVERIFY2(action, qPrintable(name));
            QCOMPARE(action->toolTip(), hint);
            QCOMPARE(action->shortcut(), key);
        }
        QAbstractItemModelTester tester(window->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void rowDialogsOfBothSides_data()
    {
        QTest::addColumn<bool>("contributions");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("baseLabel");
        QTest::addColumn<bool>("largeAmounts");
        QTest::addColumn<bool>("baseTurnsBlue");
        QTest::newRow("taxes") << false << u"Adók szerkesztése"_s << u"adóalap"_s << true << false;
        QTest::newRow("contributions")
            << true << u"Járulék szerkesztése"_s << u"járulékalap"_s << false << true;
    }
    void rowDialogsOfBothSides()
    {
        QFETCH(bool, contributions);
        QFETCH(bool, largeAmounts);
        QFETCH(bool, baseTurnsBlue);
        Kotelezettseg row;
        row.sorszam = 7;
        row.kifizetve = u"I"_s;
        row.dat_kifizet = QDate(2006, 3, 2);
        std::unique_ptr<QDialog> dialog;
        if (contributions)
            dialog = std::make_unique<Tfrm_Szerkeszt_Jarulek>(*db, row, false);
        else
            dialog = std::make_unique<Tfrm_Szerkeszt_Ado>(*db, row, false);
        QTEST(dialog->windowTitle(), "caption");
        auto *base = child<QLineEdit>(dialog.get(), u"edAdoalap"_s);
        QString label;
        for (const QLabel *l : dialog->findChildren<QLabel *>())
            if (l->buddy() == base)
                label = l->text();
        QTEST(label, "baseLabel");
        QCOMPARE(base->font().bold(), largeAmounts);
        QCOMPARE(child<QLineEdit>(dialog.get(), u"edFizetendo"_s)->font().pixelSize() == 15,
                 largeAmounts);
        QVERIFY(child<QCheckBox>(dialog.get(), u"cbMegfizetve"_s)->isChecked());
        QCOMPARE(child<QLineEdit>(dialog.get(), u"edDatKifizet"_s)->text(), u"2006.03.02."_s);
        QVERIFY(!child<QPushButton>(dialog.get(), u"btnOk"_s)->isDefault());

        // Tab order, with the shown-only fields left out.
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QWidget *start = child<QWidget>(dialog.get(), u"dtEsedekes"_s);
        QStringList order{start->objectName()};
        for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
                !w->objectName().startsWith(u"qt_"_s) && w->isVisibleTo(dialog.get()))
                order << w->objectName();
        QCOMPARE(order, (QStringList{u"dtEsedekes"_s, u"edAdoalap"_s, u"edMertek"_s, u"btnSzamol"_s,
                                     u"edCsokkento"_s, u"edNovelo"_s, u"edFizetendo"_s, u"btnOk"_s,
                                     u"btnMegsem"_s}));
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), base);
        QVERIFY(dialog->isVisible());
        // The focused field turns light blue; on the tax side not the base.
        const auto blue = [](QWidget *edit) {
            edit->setFocus();
            return edit->grab().toImage().pixelColor(4, edit->height() / 2) ==
                   QColor(166, 202, 240);
        };
        QCOMPARE(blue(base), baseTurnsBlue);
        QVERIFY(blue(child<QLineEdit>(dialog.get(), u"edMertek"_s)));
    }

    void contributionsArePickedAndComputedOnTheirOwnTables()
    {
        const int nyugdij = db->scalar(u"SELECT jarulektip FROM jarulektip WHERE "
                                       "jarulektip_nev='Nyugdíjjárulék'"_s)
                                .toInt();
        test::OnModal<Tfrm_TorzsJarulekTip> catalogue([nyugdij](Tfrm_TorzsJarulekTip *window) {
            QVERIFY(window->selectKey(nyugdij));
            window->findChild<QAction *>(u"aElfogad"_s)->trigger();
        });
        aJarulekExecute(nullptr, area.get(), *db);
        QVERIFY(catalogue.ran());
        auto *window = qobject_cast<Tfrm_Jarulek *>(area->activeSubWindow()->widget());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Összesítés járulékokról: Nyugdíjjárulék"_s);
        test::OnModal<Tfrm_Szerkeszt_Jarulek> dialog([](Tfrm_Szerkeszt_Jarulek *d) {
            auto *base = child<QLineEdit>(d, u"edAdoalap"_s);
            base->setFocus();
            QTest::keyClicks(base, u"100000"_s);
            QTest::mouseClick(child<QToolButton>(d, u"btnSzamol"_s), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(d, u"btnOk"_s), Qt::LeftButton);
        });
        window->findChild<QAction *>(u"aUj"_s)->trigger();
        QVERIFY(dialog.ran());
        QCOMPARE(
            db->scalar(u"SELECT sorszam || ':' || fizetendo FROM jarulek WHERE jarulektip=:t"_s,
                       {{u"t"_s, nyugdij}})
                .toString(),
            u"1:9500.0"_s);
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM ado"_s).toInt(), 0);
        QCOMPARE(shown(window, 8), QStringList{u"9 500"_s});
    }

    void pickingATypeOpensItsLedgerOnce()
    {
        const int eva = keyOf(u"EVA"_s);
        const int other = keyOf(u"Iparűzési adó"_s);
        const auto pick = [&](int key) {
            test::OnModal<Tfrm_TorzsAdoTip> catalogue([key](Tfrm_TorzsAdoTip *window) {
                QVERIFY(window->selectKey(key));
                window->findChild<QAction *>(u"aElfogad"_s)->trigger();
            });
            aAdoExecute(nullptr, area.get(), *db);
            QVERIFY(catalogue.ran());
        };
        pick(eva);
        QCOMPARE(area->subWindowList().size(), 1);
        auto *first = qobject_cast<Tfrm_Ado *>(area->activeSubWindow()->widget());
        QVERIFY(first);
        QCOMPARE(first->Tipus(), eva);
        QCOMPARE(first->windowTitle(), u"Összesítés adókról: EVA"_s);

        pick(other);
        QCOMPARE(area->subWindowList().size(), 2);
        QVERIFY(area->activeSubWindow()->widget() != first);

        pick(eva); // brought forward, not opened again
        QCOMPARE(area->subWindowList().size(), 2);
        QCOMPARE(area->activeSubWindow()->widget(), first);

        test::OnModal<Tfrm_TorzsAdoTip> closed(
            [](Tfrm_TorzsAdoTip *window) { window->findChild<QAction *>(u"aBezar"_s)->trigger(); });
        aAdoExecute(nullptr, area.get(), *db);
        QVERIFY(closed.ran());
        QCOMPARE(area->subWindowList().size(), 2);

        // A contribution type with the same key has a window of its own.
        QVERIFY(OpenJarulek(area.get(), *db, eva, u"J"_s));
        QCOMPARE(area->subWindowList().size(), 3);
        QCOMPARE(OpenAdo(area.get(), *db, eva, u"other name"_s), first);
        QCOMPARE(first->windowTitle(), u"Összesítés adókról: EVA"_s);
    }

    void aRowFromEntryToPaymentAndBack()
    {
        const int tipus = addTaxType(u"Próba"_s, 15, 2, 0.5, u"N"_s);
        Tfrm_Ado *window = OpenAdo(area.get(), *db, tipus, u"Próba"_s);
        test::ScriptedPrompt prompt;

        test::OnModal<Tfrm_Szerkeszt_Ado> dialog([](Tfrm_Szerkeszt_Ado *d) {
            QCOMPARE(d->windowTitle(), u"Adók szerkesztése"_s);
            QCOMPARE(child<QLineEdit>(d, u"edSorszam"_s)->text(), u"1"_s);
            QCOMPARE(child<QLineEdit>(d, u"edMertek"_s)->text(), u"15,00"_s);
            QVERIFY(!child<QCheckBox>(d, u"cbMegfizetve"_s)->isChecked());
            auto *base = child<QLineEdit>(d, u"edAdoalap"_s);
            base->setFocus();
            base->selectAll();
            QTest::keyClicks(base, u"200000"_s);
            QTest::mouseClick(child<QToolButton>(d, u"btnSzamol"_s), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(d, u"edCsokkento"_s));
            QCOMPARE(child<QLineEdit>(d, u"edNovelo"_s)->text(), u"1 000"_s);
            QCOMPARE(child<QLineEdit>(d, u"edFizetendo"_s)->text(), u"27 000"_s);
            QTest::mouseClick(child<QPushButton>(d, u"btnOk"_s), Qt::LeftButton);
        });
        window->grid()->setFocus();
        QTest::keyClick(window->grid(), Qt::Key_Insert);
        QVERIFY(dialog.ran());
        QCOMPARE(rows(tipus), QStringList{u"1:200605:27000"_s});
        QCOMPARE(shown(window, 8), QStringList{u"27 000"_s});
        QCOMPARE(shown(window, 6), QStringList{u"4 000"_s});
        QVERIFY(!showsTick(window, 0, 1));

        // Paid with the suggested amount: the year's balance, rounded.
        prompt.answer(QDate(2006, 6, 10)).answer(27000.0);
        window->findChild<QAction *>(u"aMegfizet"_s)->trigger();
        QCOMPARE(prompt.asked().size(), 2);
        QCOMPARE(prompt.asked()[0].kind, Ask::Datum);
        QCOMPARE(prompt.asked()[0].value.toDate(), QDate(2006, 5, 31));
        QCOMPARE(prompt.asked()[1].caption, u"Összeg"_s);
        QCOMPARE(prompt.asked()[1].text, u"Add meg az összeget"_s);
        QCOMPARE(prompt.asked()[1].value.toDouble(), 27000.0);
        QVERIFY(showsTick(window, 0, 1));
        QVERIFY(!showsTick(window, 0, 0));
        QCOMPARE(shown(window, 9), QStringList{u"2006.06.10."_s});
        QCOMPARE(shown(window, 10), QStringList{u"27 000"_s});

        // The undo asks first; No keeps the payment.
        prompt.clear();
        prompt.answer(false).answer(true);
        window->findChild<QAction *>(u"aMegfizet"_s)->trigger();
        QCOMPARE(shown(window, 10), QStringList{u"27 000"_s});
        window->findChild<QAction *>(u"aMegfizet"_s)->trigger();
        QCOMPARE(prompt.askedTexts(),
                 (QStringList{u"Töröljem a kifizetést?"_s, u"Töröljem a kifizetést?"_s}));
        QCOMPARE(prompt.asked()[0].caption, u"Megerősítés"_s);
        QVERIFY(!showsTick(window, 0, 1));
        QCOMPARE(shown(window, 9), QStringList{QString()});
        QCOMPARE(shown(window, 10), QStringList{u"0"_s});

        // Declared and undone the same way.
        prompt.clear();
        prompt.answer(QDate(2006, 6, 20));
        window->findChild<QAction *>(u"aBevallva"_s)->trigger();
        QVERIFY(showsTick(window, 0, 0));
        QCOMPARE(shown(window, 11), QStringList{u"2006.06.20."_s});
        prompt.answer(true);
        window->findChild<QAction *>(u"aBevallva"_s)->trigger();
        QCOMPARE(prompt.askedTexts().last(), u"Töröljem a bevallást?"_s);
        QVERIFY(!showsTick(window, 0, 0));
        QCOMPARE(shown(window, 11), QStringList{QString()});
    }

    void baseShownRoundedStoredExact()
    {
        const int tipus = addTaxType(u"Kerekítés"_s, 15, 0, 0, u"N"_s);
        Tfrm_Ado *window = OpenAdo(area.get(), *db, tipus, u"K"_s);
        addRow(window, QDate(2006, 3, 1), u"12345"_s);
        QCOMPARE(rows(tipus), QStringList{u"1:200603:1851.75"_s});
        QCOMPARE(shown(window, 8), QStringList{u"1 852"_s});

        // A double click opens the row; Mégsem keeps it as stored.
        test::OnModal<Tfrm_Szerkeszt_Ado> dialog([](Tfrm_Szerkeszt_Ado *d) {
            QCOMPARE(child<QLineEdit>(d, u"edFizetendo"_s)->text(), u"1 852"_s);
            child<QLineEdit>(d, u"edFizetendo"_s)->setText(u"5"_s);
            QTest::mouseClick(child<QPushButton>(d, u"btnMegsem"_s), Qt::LeftButton);
        });
        QTableView *grid = window->grid();
        const QPoint cell = grid->visualRect(window->model()->index(0, 3)).center();
        // Qt Test's double click comes without the press an item view expects before it.
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(dialog.ran());
        QCOMPARE(rows(tipus), QStringList{u"1:200603:1851.75"_s});
    }

    void aTypedTextThatIsNoNumberKeepsTheDialogOpen()
    {
        test::ScriptedPrompt prompt;
        Tfrm_Ado *window = OpenAdo(area.get(), *db, 1, u"EVA"_s);
        test::OnModal<Tfrm_Szerkeszt_Ado> dialog([&](Tfrm_Szerkeszt_Ado *d) {
            child<QLineEdit>(d, u"edFizetendo"_s)->setText(u"12x"_s);
            QTest::keyClick(child<QLineEdit>(d, u"edFizetendo"_s), Qt::Key_5); // typed
            QTest::mouseClick(child<QPushButton>(d, u"btnOk"_s), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QCOMPARE(prompt.askedTexts(), QStringList{u"'12x5' nem érvényes szám."_s});
            QTest::mouseClick(child<QPushButton>(d, u"btnMegsem"_s), Qt::LeftButton);
        });
        window->findChild<QAction *>(u"aUj"_s)->trigger();
        QVERIFY(dialog.ran());
        QCOMPARE(rows(1), QStringList());
    }

    void filterDeleteAndRenumber()
    {
        const int tipus = addTaxType(u"Szűrt"_s, 10, 0, 0, u"N"_s);
        const int other = addTaxType(u"Másik"_s, 10, 0, 0, u"N"_s);
        db->exec(
            u"INSERT INTO ado (adotip, sorszam, idoszak, fizetendo) VALUES (:o, 1, '200602', 9)"_s,
            {{u"o"_s, other}});
        Tfrm_Ado *window = OpenAdo(area.get(), *db, tipus, u"Szűrt"_s);
        addRow(window, QDate(2006, 2, 10), u"1000"_s);
        addRow(window, QDate(2006, 3, 10), u"2000"_s);
        addRow(window, QDate(2006, 2, 20), u"3000"_s);
        addRow(window, QDate(2006, 4, 10), u"4000"_s);
        QCOMPARE(rows(tipus), (QStringList{u"1:200602:100"_s, u"2:200603:200"_s, u"3:200602:300"_s,
                                           u"4:200604:400"_s}));
        test::ScriptedPrompt prompt;
        QAction *szur = window->findChild<QAction *>(u"aSzur"_s);
        prompt.cancel();
        szur->trigger();
        QVERIFY(!szur->isChecked());
        QCOMPARE(window->model()->rowCount(), 4);
        QCOMPARE(prompt.asked()[0].caption, u"Időszak"_s);
        QCOMPARE(prompt.asked()[0].text, u"Add meg az időszakot (pl. 2006.02)"_s);
        QCOMPARE(prompt.asked()[0].value.toString(), u"200605"_s);
        QCOMPARE(prompt.asked()[0].extra.value(u"mask"_s).toString(), u"AAAA.AA;0;_"_s);

        prompt.answer(u"200602"_s);
        szur->trigger();
        QVERIFY(szur->isChecked());
        QCOMPARE(shown(window, 2), (QStringList{u"1"_s, u"3"_s}));

        // A row due in another month is saved but not shown while filtered.
        addRow(window, QDate(2006, 3, 15), u"5000"_s);
        QCOMPARE(shown(window, 2), (QStringList{u"1"_s, u"3"_s}));
        QCOMPARE(rows(tipus).size(), 5);

        // Deleting row 1 under the filter closes the gap in number order over
        // the whole type, hidden rows included, and in this type only.
        window->selectSorszam(1);
        prompt.clear();
        prompt.answer(false).answer(true);
        window->findChild<QAction *>(u"aTorol"_s)->trigger();
        QCOMPARE(rows(tipus).size(), 5);
        window->findChild<QAction *>(u"aTorol"_s)->trigger();
        QCOMPARE(prompt.askedTexts(),
                 (QStringList{u"Valóban töröljem a sort?"_s, u"Valóban töröljem a sort?"_s}));
        QCOMPARE(prompt.asked()[0].caption, u"Megerősítés"_s);
        QCOMPARE(rows(tipus), (QStringList{u"1:200603:200"_s, u"2:200602:300"_s, u"3:200604:400"_s,
                                           u"4:200603:500"_s}));
        QCOMPARE(rows(other), QStringList{u"1:200602:9"_s});
        QCOMPARE(shown(window, 2), QStringList{u"2"_s});
        QCOMPARE(*window->currentSorszam(), 2);

        prompt.clear();
        szur->trigger(); // off, without a question
        QVERIFY(!szur->isChecked());
        QCOMPARE(prompt.asked().size(), 0);
        QCOMPARE(shown(window, 2), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    }

    void titleClickOrdersAndKeepsTheRow()
    {
        const int tipus = addTaxType(u"Rendezett"_s, 10, 0, 0, u"N"_s);
        Tfrm_Ado *window = OpenAdo(area.get(), *db, tipus, u"R"_s);
        addRow(window, QDate(2006, 2, 10), u"3000"_s);
        addRow(window, QDate(2006, 3, 10), u"1000"_s);
        addRow(window, QDate(2006, 1, 10), u"2000"_s);
        window->selectSorszam(1);
        QHeaderView *header = window->grid()->horizontalHeader();
        QCOMPARE(window->model()->sortColumn(), 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(8) + 5, header->height() / 2));
        QCOMPARE(window->model()->sortColumn(), 8);
        QCOMPARE(shown(window, 2), (QStringList{u"2"_s, u"3"_s, u"1"_s}));
        QCOMPARE(*window->currentSorszam(), 1);
    }

    void paymentSumsTheDueYearWhateverToday()
    {
        Clock::setFixed(QDate(2009, 1, 15));
        db->exec(
            u"INSERT INTO ado (adotip, sorszam, dat_esedekes, idoszak, fizetendo, kifizetve) "
            u"VALUES "
            "(1, 1, '2006-03-01', '200603', 12000, 'N'), (1, 2, '2006-12-01', '200612', 499, 'N'),"
            "(1, 3, '2009-01-02', '200901', 70000, 'N')"_s);
        Tfrm_Ado *window = OpenAdo(area.get(), *db, 1, u"EVA"_s);
        window->selectSorszam(1);
        test::ScriptedPrompt prompt;
        prompt.answer(QDate(2009, 1, 15)).cancel();
        window->findChild<QAction *>(u"aMegfizet"_s)->trigger();
        QCOMPARE(prompt.asked()[1].value.toDouble(), 12000.0);
        QCOMPARE(window->model()->index(0, 1).data(PagedTableModel::RawRole).toString(), u"N"_s);
    }

    void printAsksForTheCurrentYear()
    {
        Tfrm_Ado *window = OpenAdo(area.get(), *db, 1, u"EVA"_s);
        test::ScriptedPrompt prompt;
        prompt.cancel();
        window->findChild<QAction *>(u"aNyomtat"_s)->trigger();
        QCOMPARE(prompt.asked().size(), 1);
        QCOMPARE(prompt.asked()[0].kind, Ask::Idoszak);
        QCOMPARE(prompt.asked()[0].value.toStringList(), (QStringList{u"200601"_s, u"200612"_s}));
    }

    void keysReachTheActiveLedger()
    {
        Tfrm_Ado *window = OpenAdo(area.get(), *db, 1, u"EVA"_s);
        window->grid()->setFocus();
        test::ScriptedPrompt prompt;
        prompt.cancel();
        QTest::keyClick(window->grid(), Qt::Key_F3);
        QCOMPARE(prompt.asked().size(), 1);
        QCOMPARE(prompt.asked()[0].caption, u"Időszak"_s);
        QTest::keyClick(window->grid(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(area->subWindowList().size(), 0);
    }
};

QTEST_MAIN(TestObligationLedgerWindow)
#include "test_obligation_ledger_window.moc"
