#include "books_fixture.h"
#include "foundation/beall.h"
#include "foundation/database.h"
#include "ledgers/ui/bevetel_window.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/szerkeszt_bev.h"
#include "shell/beallit_loader.h"
#include "shell/ui/mdi_children.h"
#include "support/scripted_prompt.h"
#include "window_driver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
#include <QTimer>
#include <QToolBar>

using namespace kalmira;
using namespace Qt::StringLiterals;

using test::field;
using test::layoutOf;
constexpr auto whenDialogOpens = test::whenDialogOpens<Tfrm_Szerkeszt_Bev>;

class TestBevetelWindow : public QObject, test::BooksFixture
{
    Q_OBJECT

    std::unique_ptr<test::ScriptedPrompt> prompt;
    std::unique_ptr<QMdiArea> mdi;
    Tfrm_Bevetel *window = nullptr;

    // Rows 1..n described r1..rn, in the periods given (one per row).
    void addRows(const QStringList &periods, const QString &closedNumbers = {})
    {
        for (int n = 1; n <= periods.size(); ++n) {
            const QString idoszak = periods[n - 1];
            db->exec(
                u"INSERT INTO bevetel (bevetel, idoszak, negyedev, datum, leiras, osszeg, lezarva, "
                "fizetve) VALUES (:n, :i, :q, :d, :l, 100, :z, 'I')"_s,
                {{u"n"_s, n},
                 {u"i"_s, idoszak},
                 {u"q"_s, idoszak.left(4) + QString::number((idoszak.mid(4).toInt() - 1) / 3 + 1)},
                 {u"d"_s,
                  idoszak.left(4) + u'-' + idoszak.mid(4) + u"-1"_s + QString::number(n % 10)},
                 {u"l"_s, u"r%1"_s.arg(n)},
                 {u"z"_s,
                  closedNumbers.split(u',').contains(QString::number(n)) ? u"I"_s : u"N"_s}});
        }
        window->refresh();
    }
    QStringList numberedRows()
    {
        QSqlQuery q = db->exec(u"SELECT bevetel, leiras FROM bevetel ORDER BY bevetel"_s);
        QStringList rows;
        while (q.next())
            rows << q.value(0).toString() + u':' + q.value(1).toString();
        return rows;
    }
    QStringList shown(int column)
    {
        QStringList texts;
        for (int row = 0; row < window->model()->rowCount(); ++row)
            texts << window->model()->index(row, column).data().toString();
        return texts;
    }
    void press(QKeySequence keys) { test::pressOnGrid(mdi.get(), window->grid(), keys); }
    void selectNumber(int number) { QVERIFY(window->grid()->selectKey(number)); }
    QColor pixel(int row, int column, QPoint offset)
    {
        const QImage image = window->grid()->viewport()->grab().toImage();
        const QRect cell = window->grid()->visualRect(window->model()->index(row, column));
        return image.pixelColor(cell.topLeft() + offset);
    }

private Q_SLOTS:
    void init()
    {
        openBooks(u"ledger"_s);
        prompt = std::make_unique<test::ScriptedPrompt>();
        Beall.evaszorzo = 15;
        mdi = std::make_unique<QMdiArea>();
        mdi->resize(1100, 500);
        mdi->show();
        QApplication::setActiveWindow(mdi.get());
        window = Tfrm_Bevetel::Open(*mdi, *db);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup()
    {
        mdi.reset();
        prompt.reset();
        closeBooks();
    }

    void opensOnceWithItsCommands()
    {
        QCOMPARE(Tfrm_Bevetel::Open(*mdi, *db), window);
        QCOMPARE(mdi->subWindowList().size(), 1);
        QCOMPARE(window->objectName(), u"frm_Bevetel"_s);
        QCOMPARE(window->windowTitle(), u"Bevételek"_s);
        QCOMPARE(
            layoutOf(window->toolBar()->actions()),
            (QStringList{u"Új sor"_s, u"Szerkeszt"_s, u"Töröl"_s, u"|"_s, u"Zárása"_s, u"|"_s,
                         u"Szűrés"_s, u"|"_s, u"Nyomtat"_s, u"Html export"_s, u"|"_s, u"Bezár"_s}));
        QCOMPARE(layoutOf(window->contextMenu()->actions()),
                 (QStringList{u"Új sor"_s, u"Szerkeszt"_s, u"Töröl"_s, u"|"_s, u"Szűrés"_s, u"|"_s,
                              u"Nyomtat"_s, u"Html export"_s, u"|"_s, u"Bezár"_s}));
        const QList<std::tuple<QAction *, const char *, QKeySequence>> commands{
            {window->aUj, "Új sor", QKeySequence(Qt::Key_Insert)},
            {window->aSzerkeszt, "Szerkesztés", QKeySequence(Qt::Key_F2)},
            {window->aTorol, "Töröl", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {window->aZar, "Időszak zárása", QKeySequence(Qt::CTRL | Qt::Key_F8)},
            {window->aSzur, "Szűrés időszakra", QKeySequence(Qt::Key_F3)},
            {window->aNyomtat, "Nyomtat", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {window->aHtml, "Html export", QKeySequence(Qt::CTRL | Qt::Key_H)},
            {window->aBezar, "Bezár", QKeySequence(Qt::CTRL | Qt::Key_F4)}};
        for (const auto &[action, hint, keys] : commands) {
            QCOMPARE(action->toolTip(), QString::fromUtf8(hint));
            QCOMPARE(action->shortcut(), keys);
        }
        QCOMPARE(window->aZar->text(), u"Zárás"_s);
        const QStringList titles{u"zár"_s,       u"fiz?"_s,    u"sorszám"_s,   u"dátum"_s,
                                 u"bizonylat"_s, u"leírás"_s,  u"összeg"_s,    u"növelő"_s,
                                 u"csökkentő"_s, u"adóalap"_s, u"adóelőleg"_s, u"megjegyzés"_s};
        for (int column = 0; column < titles.size(); ++column)
            QCOMPARE(
                window->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                titles[column]);
    }

    void editAndDeleteOnAnEmptyLedgerDoNothing()
    {
        // A dialog that should not have opened is closed again, so the test fails instead of
        // hanging.
        bool opened = false;
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&opened] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        closer.start(1000);
        press(QKeySequence(Qt::Key_F2));
        press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
        closer.stop();
        QVERIFY(!opened);
        QVERIFY(prompt->asked().isEmpty());
    }

    void columnWidthsFollowTheWindow()
    {
        const QList<double> fractions{0.06, 0.11, 0.11, 0.12, 0.10, 0.10, 0.10, 0.10, 0.10, 0.09};
        const auto check = [&] {
            const LedgerGrid *grid = window->grid();
            QCOMPARE(grid->columnWidth(Tfrm_Bevetel::Zar), 25);
            QCOMPARE(grid->columnWidth(Tfrm_Bevetel::Fiz), 25);
            // A share, but never narrower than the column's title.
            for (int i = 0; i < fractions.size(); ++i) {
                const int column = Tfrm_Bevetel::Sorszam + i;
                QCOMPARE(grid->columnWidth(column),
                         std::max(int((grid->width() - 83) * fractions[i]),
                                  grid->horizontalHeader()->sectionSizeHint(column)));
            }
            QCOMPARE(grid->columnWidth(Tfrm_Bevetel::Leiras), int((grid->width() - 83) * 0.12));
        };
        check();
        mdi->subWindowList().first()->resize(700, 300);
        check();
    }

    void newRowIsPostedAndShowsAGreyDotAndATick()
    {
        bool seen = false;
        whenDialogOpens(
            [](Tfrm_Szerkeszt_Bev *dialog) {
                QCOMPARE(dialog->windowTitle(), u"Bevételek szerkesztése"_s);
                QCOMPARE(field<QLineEdit>(dialog, "eSorszam")->text(), u"1"_s);
                QCOMPARE(field<QDateEdit>(dialog, "dtDatum")->date(), QDate(2006, 5, 31));
                QVERIFY(field<QCheckBox>(dialog, "cbFizetve")->isChecked());
                QVERIFY(field<QLineEdit>(dialog, "eOsszeg")->font().bold());
                auto *voucher = field<QLineEdit>(dialog, "eBizonylat");
                QTest::keyClicks(voucher, u"szla-"_s);
                QTest::sendKeyEvent(QTest::Click, voucher, Qt::Key_unknown, u"ő"_s, Qt::NoModifier);
                QTest::keyClicks(voucher, u"12"_s);
                field<QComboBox>(dialog, "cbLeiras")->setEditText(u"Tanácsadás"_s);
                field<QLineEdit>(dialog, "eOsszeg")->setText(u"100 000"_s);
                field<QLineEdit>(dialog, "eNovelo")->setText(u"5000"_s);
                field<QLineEdit>(dialog, "eCsokkento")->setText(u"20000"_s);
                field<QPushButton>(dialog, "btnOK")->click();
            },
            &seen);
        press(QKeySequence(Qt::Key_Insert));
        QVERIFY(seen);
        QCOMPARE(window->model()->rowCount(), 1);
        QCOMPARE(window->grid()->currentRow(), 0);
        const PagedTableModel *model = window->model();
        QCOMPARE(model->index(0, Tfrm_Bevetel::Bizonylat).data().toString(), u"SZLA-Ő12"_s);
        QCOMPARE(model->index(0, Tfrm_Bevetel::Datum).data().toString(), u"2006.05.31."_s);
        QCOMPARE(model->index(0, Tfrm_Bevetel::Adoalap).data().toString(), u"85 000"_s);
        QCOMPARE(model->index(0, Tfrm_Bevetel::Adoeloleg).data().toString(), u"12 750"_s);
        QCOMPARE(model->value(0, u"idoszak"_s).toString(), u"200605"_s);
        QCOMPARE(model->value(0, u"negyedev"_s).toString(), u"20062"_s);

        // A second row, closed and not received, so that the first is painted unselected.
        db->exec(u"INSERT INTO bevetel (bevetel, lezarva, fizetve) VALUES (2, 'I', 'N')"_s);
        window->refresh();
        window->grid()->selectRow(1);
        const QColor dot = pixel(0, Tfrm_Bevetel::Zar, QPoint(3 + 8, 8));
        QVERIFY2(qAbs(dot.red() - dot.green()) < 12 && qAbs(dot.green() - dot.blue()) < 12 &&
                     dot.lightness() > 90 && dot.lightness() < 180,
                 qPrintable(dot.name()));
        bool green = false;
        for (int x = 3; x < 19; ++x)
            for (int y = 0; y < 16; ++y) {
                const QColor c = pixel(0, Tfrm_Bevetel::Fiz, QPoint(x, y));
                green = green || (c.green() > c.red() + 60 && c.green() > c.blue() + 60);
            }
        QVERIFY(green);
        window->grid()->selectRow(0);
        const QColor lock = pixel(1, Tfrm_Bevetel::Zar, QPoint(3 + 4, 11));
        QVERIFY2(lock.red() > 200 && lock.green() > 150 && lock.blue() < 80,
                 qPrintable(lock.name()));
    }

    void closedQuarterKeepsTheDialogOpen()
    {
        db->exec(u"INSERT INTO zaras (negyedev) VALUES ('20062')"_s);
        bool seen = false;
        whenDialogOpens(
            [this](Tfrm_Szerkeszt_Bev *dialog) {
                field<QLineEdit>(dialog, "eOsszeg")->setText(u"500"_s);
                field<QPushButton>(dialog, "btnOK")->click();
                QVERIFY(dialog->isVisible());
                QCOMPARE(prompt->askedTexts(), QStringList{u"Ez az időszak már le lett zárva."_s});
                QCOMPARE(prompt->asked().first().kind, Ask::Hiba);
                // Picking a date of an open quarter lets a new row through.
                field<QDateEdit>(dialog, "dtDatum")->setDate(QDate(2006, 7, 1));
                field<QPushButton>(dialog, "btnOK")->click();
                QVERIFY(!dialog->isVisible());
            },
            &seen);
        press(QKeySequence(Qt::Key_Insert));
        QVERIFY(seen);
        QCOMPARE(window->model()->rowCount(), 1);
        QCOMPARE(window->model()->value(0, u"negyedev"_s).toString(), u"20063"_s);
    }

    void editAndCancelLeaveTheRightRows()
    {
        addRows({u"200601"_s, u"200602"_s});
        selectNumber(2);
        bool seen = false;
        whenDialogOpens(
            [](Tfrm_Szerkeszt_Bev *dialog) {
                QCOMPARE(field<QLineEdit>(dialog, "eSorszam")->text(), u"2"_s);
                field<QLineEdit>(dialog, "eMegjegyzes")->setText(u"javítva"_s);
                field<QLineEdit>(dialog, "eNovelo")->clear();
                field<QPushButton>(dialog, "btnOK")->click();
            },
            &seen);
        press(QKeySequence(Qt::Key_F2));
        QVERIFY(seen);
        QCOMPARE(window->grid()->currentKey().toInt(), 2);
        QCOMPARE(window->model()->value(1, u"megjegyzes"_s).toString(), u"javítva"_s);
        QVERIFY(window->model()->value(1, u"novelo"_s).isNull());
        QCOMPARE(window->model()->value(1, u"adoalap"_s).toDouble(), 100.0);

        // A double-click edits the row under the mouse; Mégsem changes nothing.
        whenDialogOpens(
            [](Tfrm_Szerkeszt_Bev *dialog) {
                QCOMPARE(field<QLineEdit>(dialog, "eSorszam")->text(), u"1"_s);
                field<QLineEdit>(dialog, "eOsszeg")->setText(u"999"_s);
                field<QPushButton>(dialog, "btnMegsem")->click();
            },
            &seen);
        const QRect first =
            window->grid()->visualRect(window->model()->index(0, Tfrm_Bevetel::Leiras));
        QTest::mouseDClick(window->grid()->viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(seen);
        QCOMPARE(window->model()->rowCount(), 2);
        QCOMPARE(window->model()->value(0, u"osszeg"_s).toDouble(), 100.0);
    }

    void filterShowsOnePeriodAndSwitchesOffWithoutAsking()
    {
        addRows({u"200601"_s, u"200602"_s, u"200603"_s, u"200602"_s});
        prompt->answer(u"200602"_s);
        press(QKeySequence(Qt::Key_F3));
        QCOMPARE(prompt->asked().size(), 1);
        const Question &asked = prompt->asked().first();
        QCOMPARE(asked.kind, Ask::Str);
        QCOMPARE(asked.caption, u"Időszak"_s);
        QCOMPARE(asked.text, u"Add meg az időszakot (pl. 2006.02)"_s);
        QCOMPARE(asked.value.toString(), u"200605"_s);
        QCOMPARE(asked.extra.value(u"mask"_s).toString(), u"AAAA.AA;0;_"_s);
        QCOMPARE(shown(Tfrm_Bevetel::Sorszam), (QStringList{u"2"_s, u"4"_s}));
        QVERIFY(window->aSzur->isChecked());

        press(QKeySequence(Qt::Key_F3));
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(window->model()->rowCount(), 4);
        QVERIFY(!window->aSzur->isChecked());

        prompt->cancel();
        press(QKeySequence(Qt::Key_F3));
        QCOMPARE(window->model()->rowCount(), 4);
        QVERIFY(!window->aSzur->isChecked());
    }

    void titleClickOrdersByDateAndGreysThatColumn()
    {
        addRows({u"200603"_s, u"200601"_s, u"200602"_s});
        QCOMPARE(window->model()->sortColumn(), int(Tfrm_Bevetel::Sorszam));
        QHeaderView *header = window->grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(Tfrm_Bevetel::Datum) + 10, 5));
        QCOMPARE(window->model()->sortColumn(), int(Tfrm_Bevetel::Datum));
        QCOMPARE(shown(Tfrm_Bevetel::Sorszam), (QStringList{u"2"_s, u"3"_s, u"1"_s}));
        window->grid()->selectRow(2);
        const QPalette palette = window->grid()->palette();
        QCOMPARE(pixel(0, Tfrm_Bevetel::Datum, QPoint(2, 2)), palette.color(QPalette::Button));
        QCOMPARE(pixel(0, Tfrm_Bevetel::Sorszam, QPoint(2, 2)), palette.color(QPalette::Base));
    }

    void deleteAsksAndRenumbers_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        const QStringList all{u"1:r1"_s, u"2:r2"_s, u"3:r3"_s, u"4:r4"_s, u"5:r5"_s};
        const QStringList without3{u"1:r1"_s, u"2:r2"_s, u"3:r4"_s, u"4:r5"_s};
        QTest::newRow("Igen") << true << int(Tfrm_Bevetel::Sorszam) << QString() << without3;
        QTest::newRow("Nem") << false << int(Tfrm_Bevetel::Sorszam) << QString() << all;
        QTest::newRow("filtered view")
            << true << int(Tfrm_Bevetel::Sorszam) << u"200602"_s << without3;
        QTest::newRow("sorted by date")
            << true << int(Tfrm_Bevetel::Datum) << QString() << without3;
    }
    void deleteAsksAndRenumbers()
    {
        QFETCH(bool, yes);
        QFETCH(int, sortColumn);
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        addRows({u"200603"_s, u"200601"_s, u"200602"_s, u"200602"_s, u"200601"_s});
        window->model()->setSortColumn(sortColumn);
        if (!filter.isEmpty()) {
            prompt->answer(filter);
            press(QKeySequence(Qt::Key_F3));
        }
        selectNumber(3);
        const int rowBefore = window->grid()->currentRow();
        prompt->answer(yes);
        press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
        const Question &asked = prompt->asked().last();
        QCOMPARE(asked.kind, Ask::Kerdes);
        QCOMPARE(asked.caption, u"Megerősítés"_s);
        QCOMPARE(asked.text, u"Valóban töröljem a sort?"_s);
        QCOMPARE(numberedRows(), expected);
        QCOMPARE(window->model()->rowCount(), filter.isEmpty() ? expected.size() : 1);
        QCOMPARE(window->grid()->currentRow(),
                 std::min(rowBefore, window->model()->rowCount() - 1));
    }

    void closedRowIsNotDeleted()
    {
        addRows({u"200601"_s, u"200602"_s}, u"2"_s);
        selectNumber(2);
        press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(prompt->askedTexts(), QStringList{u"Ez a sor már le lett zárva."_s});
        QCOMPARE(prompt->asked().first().kind, Ask::Hiba);
        QCOMPARE(numberedRows(), (QStringList{u"1:r1"_s, u"2:r2"_s}));
    }

    void printAsksForThePeriodsAndCloseClosesTheWindow()
    {
        prompt->answer(QStringList{u"200601"_s, u"200603"_s});
        press(QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked().first().kind, Ask::Idoszak);
        QCOMPARE(prompt->asked().first().value.toStringList(),
                 (QStringList{u"200605"_s, u"200605"_s}));

        press(QKeySequence(Qt::CTRL | Qt::Key_F4));
        QTRY_COMPARE(mdi->subWindowList().size(), 0);
    }

    // Ctrl+F8 closes the quarter, shows the padlocks and brings the EVA tax
    // ledger forward beside this window.
    void closingTheQuarterShowsTheEvaLedger()
    {
        LoadBeallit(*db);
        addRows({u"200604"_s, u"200606"_s, u"200607"_s});
        prompt->answer(u"20062"_s).answer(true);
        press(QKeySequence(Qt::CTRL | Qt::Key_F8));
        QCOMPARE(prompt->asked().size(), 2);
        QCOMPARE(prompt->asked()[0].kind, Ask::Negyedev);
        QCOMPARE(prompt->asked()[1].kind, Ask::Kerdes);
        QCOMPARE(shown(Tfrm_Bevetel::Zar).size(), 3);
        for (const auto &[number, closed] : {std::pair{1, u"I"_s}, {2, u"I"_s}, {3, u"N"_s}}) {
            const int row = window->model()->rowOfKey(number);
            QCOMPARE(window->model()->index(row, Tfrm_Bevetel::Zar).data(PagedTableModel::RawRole),
                     QVariant(closed));
        }
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM zaras WHERE negyedev='20062'"_s).toInt(), 1);

        QCOMPARE(mdi->subWindowList().size(), 2);
        auto *eva = qobject_cast<Tfrm_Ado *>(mdi->activeSubWindow()->widget());
        QVERIFY(eva);
        QCOMPARE(eva->Tipus(), Beall.eva);
        QCOMPARE(eva->windowTitle(), u"Összesítés adókról: "_s + Beall.eva_nev);
        QCOMPARE(eva->model()->rowCount(), 1);
        QVERIFY(MdiChildren::isLedger(eva));
    }

    void storageFailureIsShownAndTheWindowStays()
    {
        addRows({u"200601"_s});
        QCOMPARE(window->grid()->currentKey().toInt(), 1); // the row on screen
        db->exec(u"ALTER TABLE bevetel RENAME TO bevetel_el"_s);
        press(QKeySequence(Qt::CTRL | Qt::Key_Delete));
        db->exec(u"ALTER TABLE bevetel_el RENAME TO bevetel"_s);
        QCOMPARE(prompt->asked().size(), 1);
        QCOMPARE(prompt->asked().last().kind, Ask::AppError);
        QVERIFY(prompt->asked().last().text.contains(u"bevetel"_s));
        QCOMPARE(numberedRows(), QStringList{u"1:r1"_s});
        QCOMPARE(mdi->subWindowList().size(), 1);
    }
};

QTEST_MAIN(TestBevetelWindow)
#include "test_bevetel_window.moc"
