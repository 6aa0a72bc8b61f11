#include "books_fixture.h"
#include "foundation/database.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/type_catalogue_window.h"
#include "ledgers/ui/type_editor_dialog.h"
#include "modal_driver.h"
#include "support/scripted_prompt.h"
#include "window_driver.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace kalmira;
using namespace Qt::StringLiterals;
using test::captions;

namespace {

void typeKey(QWidget *target, Qt::Key key, const QString &text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

// The offscreen platform gives the activation back to no window when a
// dialog over it closes; a desktop gives it back to the window below.
void reactivate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class TestTypeCatalogueWindow : public QObject, test::BooksFixture
{
    Q_OBJECT

    int keyOf(const QString &table, const QString &name)
    {
        return db->scalar(u"SELECT %1 FROM %1 WHERE %1_nev=:n"_s.arg(table), {{u"n"_s, name}})
            .toInt();
    }
    QStringList names(const QString &table)
    {
        QSqlQuery q = db->exec(u"SELECT %1_nev FROM %1 ORDER BY %1"_s.arg(table));
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }

private Q_SLOTS:
    void init() { openBooks(u"catalogue"_s); }
    void cleanup() { closeBooks(); }

    void layoutAndCommandsOfBothSides_data()
    {
        QTest::addColumn<bool>("contributions");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("nameTitle");
        QTest::addColumn<QString>("deleteCaption");
        QTest::newRow("taxes") << false << u"Adó típusok"_s << u"Adó típusok  "_s << u"adótípus"_s
                               << u"Törlöl"_s;
        QTest::newRow("contributions") << true << u"Járulék típusok"_s << u"Járulék típusok  "_s
                                       << u"járuléktípus"_s << u"Sor törlése"_s;
    }
    void layoutAndCommandsOfBothSides()
    {
        QFETCH(bool, contributions);
        QFETCH(QString, deleteCaption);
        std::unique_ptr<TypeCatalogueWindow> window;
        if (contributions)
            window = std::make_unique<Tfrm_TorzsJarulekTip>(*db);
        else
            window = std::make_unique<Tfrm_TorzsAdoTip>(*db);
        QTEST(window->windowTitle(), "caption");
        QTEST(window->findChild<QLabel *>(u"PanelCim"_s)->text(), "panel");
        QTEST(window->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              "nameTitle");
        QCOMPARE(window->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 u"mérték"_s);
        QCOMPARE(captions(window->findChild<QToolBar *>(u"ToolBar1"_s)->actions()),
                 (QStringList{u"Új sor"_s, u"Szerkeszt"_s, deleteCaption, u"|"_s, u"Elfogad"_s,
                              u"Bezár"_s}));
        QCOMPARE(captions(window->popupMenu()->actions()),
                 (QStringList{u"Új sor"_s, u"Szerkeszt"_s, deleteCaption, u"|"_s, u"Kereső"_s,
                              u"|"_s, u"Elfogad"_s, u"Bezár"_s}));
        const QList<std::tuple<QString, QString, QKeySequence>> commands{
            {u"aUj"_s, u"Új sor"_s, QKeySequence(Qt::Key_Insert)},
            {u"aSzerkeszt"_s, u"Szerkeszt"_s, QKeySequence(Qt::Key_F2)},
            {u"aTorol"_s, u"Sor törlése"_s, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {u"aKereso"_s, u"Ugrás a keresőbe"_s, QKeySequence(Qt::CTRL | Qt::Key_F)},
            {u"aElfogad"_s, u"Elfogad"_s, QKeySequence(Qt::Key_Return)},
            {u"aBezar"_s, u"Bezár"_s, QKeySequence(Qt::Key_Escape)}};
        for (const auto &[name, hint, key] : commands) {
            const auto *action = window->findChild<QAction *>(name);
            QVERIFY2(action, qPrintable(name));
            QCOMPARE(action->toolTip(), hint);
            QCOMPARE(action->shortcut(), key);
        }
    }

    void pickingReturnsTheAcceptedType()
    {
        const int start = keyOf(u"adotip"_s, u"Iparűzési adó"_s);
        test::OnModal<Tfrm_TorzsAdoTip> pick([](Tfrm_TorzsAdoTip *window) {
            QCOMPARE(window->currentName(), u"Iparűzési adó"_s);
            QTest::keyClick(window->grid(), Qt::Key_Return);
        });
        QString name = u"old"_s;
        QCOMPARE(ChooseAdoTip(nullptr, *db, start, name), start);
        QVERIFY(pick.ran());
        QCOMPARE(name, u"Iparűzési adó"_s);
    }

    void closingReturnsMinusOneAndKeepsTheName()
    {
        test::OnModal<Tfrm_TorzsJarulekTip> close([](Tfrm_TorzsJarulekTip *window) {
            // No such key: the first type by name is current.
            QCOMPARE(window->currentName(), u"Egészségbiztosítási járulék"_s);
            QTest::keyClick(window->grid(), Qt::Key_Escape);
        });
        QString name = u"old"_s;
        QCOMPARE(ChooseJarulekTip(nullptr, *db, -1, name), -1);
        QVERIFY(close.ran());
        QCOMPARE(name, u"old"_s);
    }

    void acceptingAnEmptyCatalogueGivesZero()
    {
        db->exec(u"DELETE FROM jarulektip"_s);
        test::OnModal<Tfrm_TorzsJarulekTip> accept([](Tfrm_TorzsJarulekTip *window) {
            window->findChild<QAction *>(u"aElfogad"_s)->trigger();
        });
        QString name = u"old"_s;
        QCOMPARE(ChooseJarulekTip(nullptr, *db, -1, name), 0);
        QVERIFY(accept.ran());
        QCOMPARE(name, QString());
    }

    void typingSearchesInTheCurrentOrder()
    {
        db->exec(
            u"INSERT INTO adotip (adotip_nev, mertek) VALUES ('Áfa', 27), ('szolidaritási', 4)"_s);
        Tfrm_TorzsAdoTip window(*db);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit *search = window.searchBox();
        QTableView *grid = window.grid();
        grid->setFocus();

        typeKey(grid, Qt::Key_S, u"S"_s, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(search->text(), u"s"_s);
        QCOMPARE(search->cursorPosition(), 1);
        QCOMPARE(window.currentName(), u"szolidaritási"_s);
        QTest::keyClicks(search, u"zo"_s);
        QCOMPARE(window.currentName(), u"szolidaritási"_s);
        QTest::keyClick(search, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), grid);

        typeKey(grid, Qt::Key_0, u"0"_s); // no search, the grid keeps the key
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(search->text(), u"szo"_s);

        typeKey(grid, Qt::Key_Aacute, u"Á"_s, Qt::ShiftModifier);
        QCOMPARE(search->text(), u"á"_s);
        QCOMPARE(window.currentName(), u"Áfa"_s);
        QTest::keyClicks(search, u"x"_s); // nothing matches: the row stays
        QCOMPARE(window.currentName(), u"Áfa"_s);

        // A title click orders by the rate and hands the focus to the search box.
        QHeaderView *header = grid->horizontalHeader();
        grid->setFocus();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(window.model()->sortField(), u"mertek"_s);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(search->selectedText(), search->text());
        QTest::keyClicks(search, u"2"_s);
        QCOMPARE(window.currentName(), u"Iparűzési adó"_s);
        QTest::keyClicks(search, u"7"_s); // 27
        QCOMPARE(window.currentName(), u"Áfa"_s);
        search->setText(u"abc"_s); // no number: the row stays
        QCOMPARE(window.currentName(), u"Áfa"_s);

        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(search->selectedText(), u"abc"_s);
    }

    void editorSavesOrStaysOpen()
    {
        test::ScriptedPrompt prompt;
        bool editorRan = false;
        test::OnModal<Tfrm_TorzsAdoTip> catalogue([&](Tfrm_TorzsAdoTip *window) {
            test::OnModal<Tfrm_TorzsAdoTip_Szerkeszt> editor(
                [&](Tfrm_TorzsAdoTip_Szerkeszt *dialog) {
                    QCOMPARE(dialog->windowTitle(), u"Adótípus szerkesztés"_s);
                    dialog->findChild<QLineEdit *>(u"edNev"_s)->setText(u"Helyi adó"_s);
                    dialog->findChild<QLineEdit *>(u"edMertek"_s)->setText(u"1,5x"_s);
                    dialog->findChild<QCheckBox *>(u"cbFix"_s)->setChecked(true);
                    QTest::mouseClick(dialog->findChild<QPushButton *>(u"btnOk"_s), Qt::LeftButton);
                    QVERIFY(dialog->isVisible());
                    QCOMPARE(
                        prompt.askedTexts(),
                        QStringList{
                            u"Hiányos, vagy hibás adatmegadás\r\n'1,5x' nem érvényes szám."_s});
                    dialog->findChild<QLineEdit *>(u"edMertek"_s)->setText(u"1,5"_s);
                    QTest::mouseClick(dialog->findChild<QPushButton *>(u"btnOk"_s), Qt::LeftButton);
                    editorRan = true;
                });
            QTest::keyClick(window->grid(), Qt::Key_Insert);
            QVERIFY(editor.ran());
            QCOMPARE(window->currentName(), u"Helyi adó"_s);
            // Mégsem leaves no new row behind.
            test::OnModal<Tfrm_TorzsAdoTip_Szerkeszt> cancelled(
                [](Tfrm_TorzsAdoTip_Szerkeszt *dialog) {
                    dialog->findChild<QLineEdit *>(u"edNev"_s)->setText(u"Eldobott"_s);
                    QTest::mouseClick(dialog->findChild<QPushButton *>(u"btnMegsem"_s),
                                      Qt::LeftButton);
                });
            window->findChild<QAction *>(u"aUj"_s)->trigger();
            QVERIFY(cancelled.ran());
            window->findChild<QAction *>(u"aElfogad"_s)->trigger();
        });
        QString name;
        const int chosen = ChooseAdoTip(nullptr, *db, -1, name);
        QVERIFY(catalogue.ran() && editorRan);
        QCOMPARE(name, u"Helyi adó"_s);
        QCOMPARE(chosen, keyOf(u"adotip"_s, u"Helyi adó"_s));
        QCOMPARE(names(u"adotip"_s).last(), u"Helyi adó"_s);
        QVERIFY(!names(u"adotip"_s).contains(u"Eldobott"_s));
        QCOMPARE(db->scalar(u"SELECT fix || '/' || mertek FROM adotip WHERE adotip=:k"_s,
                            {{u"k"_s, chosen}})
                     .toString(),
                 u"I/1.5"_s);
    }

    void changeAndDelete()
    {
        test::ScriptedPrompt prompt;
        prompt.answer(false).answer(true);
        const int eva = keyOf(u"adotip"_s, u"EVA"_s);
        test::OnModal<Tfrm_TorzsAdoTip> catalogue([&](Tfrm_TorzsAdoTip *window) {
            test::OnModal<Tfrm_TorzsAdoTip_Szerkeszt> editor(
                [](Tfrm_TorzsAdoTip_Szerkeszt *dialog) {
                    QCOMPARE(dialog->findChild<QLineEdit *>(u"edMertek"_s)->text(), u"15"_s);
                    dialog->findChild<QLineEdit *>(u"edMertek"_s)->setText(u"16"_s);
                    QTest::mouseClick(dialog->findChild<QPushButton *>(u"btnOk"_s), Qt::LeftButton);
                });
            QTest::keyClick(window->grid(), Qt::Key_F2);
            QVERIFY(editor.ran());
            QCOMPARE(window->currentName(), u"EVA"_s);
            reactivate(window);
            QTest::keyClick(window->grid(), Qt::Key_Delete, Qt::ControlModifier); // Nem
            QTest::keyClick(window->grid(), Qt::Key_Delete, Qt::ControlModifier); // Igen
            QCOMPARE(window->currentName(), u"Gépjárműadó"_s);
            QTest::keyClick(window->grid(), Qt::Key_Escape);
        });
        QString name;
        QCOMPARE(ChooseAdoTip(nullptr, *db, eva, name), -1);
        QVERIFY(catalogue.ran());
        QCOMPARE(prompt.asked().size(), 2);
        QCOMPARE(prompt.asked()[0].text, u"Valóban töröljem a sort?"_s);
        QCOMPARE(prompt.asked()[0].caption, u"Megerősítés"_s);
        QCOMPARE(names(u"adotip"_s), (QStringList{u"Iparűzési adó"_s, u"Gépjárműadó"_s}));
    }

    void changeInAnEmptyCatalogueStartsANewType()
    {
        db->exec(u"DELETE FROM jarulektip"_s);
        test::OnModal<Tfrm_TorzsJarulekTip> catalogue([](Tfrm_TorzsJarulekTip *window) {
            test::OnModal<Tfrm_TorzsJarulekTip_Szerkeszt> editor(
                [](Tfrm_TorzsJarulekTip_Szerkeszt *dialog) {
                    QCOMPARE(dialog->windowTitle(), u"Járuléktípus szerkesztés"_s);
                    dialog->findChild<QLineEdit *>(u"edNev"_s)->setText(u"Új járulék"_s);
                    QTest::mouseClick(dialog->findChild<QPushButton *>(u"btnOk"_s), Qt::LeftButton);
                });
            QTest::keyClick(window->grid(), Qt::Key_F2);
            QVERIFY(editor.ran());
            reactivate(window);
            QTest::keyClick(window->grid(), Qt::Key_Return);
        });
        QString name;
        QVERIFY(ChooseJarulekTip(nullptr, *db, -1, name) > 0);
        QVERIFY(catalogue.ran());
        QCOMPARE(name, u"Új járulék"_s);
        QCOMPARE(names(u"jarulektip"_s), QStringList{u"Új járulék"_s});
    }
};

QTEST_MAIN(TestTypeCatalogueWindow)
#include "test_type_catalogue_window.moc"
