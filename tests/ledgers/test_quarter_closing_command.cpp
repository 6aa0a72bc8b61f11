#include "books_fixture.h"
#include "foundation/beall.h"
#include "foundation/database.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/open_obligation_ledger.h"
#include "ledgers/ui/quarter_closing_command.h"
#include "shell/beallit_loader.h"
#include "support/scripted_prompt.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlQuery>
#include <QTest>

using namespace kalmira;
using namespace Qt::StringLiterals;

// The income ledger's closing command, with an income grid of its own
// standing in for the ledger window that calls it.
class TestQuarterClosingCommand : public QObject, test::BooksFixture
{
    Q_OBJECT

    std::unique_ptr<QMdiArea> area;
    std::unique_ptr<PagedTableModel> income;
    int refreshed = 0;

    void close()
    {
        aZarExecute(*db, area.get(), [this] {
            ++refreshed;
            income->refresh();
        });
    }
    // The padlock column as the income grid shows it.
    QStringList shownFlags()
    {
        QStringList out;
        for (int row = 0; row < income->rowCount(); ++row)
            out << income->value(row, u"lezarva"_s).toString();
        return out;
    }
    QStringList closedFlags()
    {
        QSqlQuery q = db->exec(u"SELECT lezarva FROM bevetel ORDER BY bevetel"_s);
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
    int count(const QString &table)
    {
        return db->scalar(u"SELECT COUNT(*) FROM "_s + table).toInt();
    }

private Q_SLOTS:
    void init()
    {
        openBooks(u"closing"_s, QDate(2006, 5, 31));
        LoadBeallit(*db);
        db->exec(u"INSERT INTO bevetel (bevetel, negyedev, osszeg, novelo, csokkento, lezarva) "
                 "VALUES (1, '20062', 100000, 0, 0, 'N'), (2, '20062', 50000, 0, 0, 'N')"_s);
        income = std::make_unique<PagedTableModel>(
            *db, schema::table(u"bevetel"_s),
            QList<ModelColumn>{{u"lezarva"_s, {}}, {u"bevetel"_s, {}}});
        income->refresh();
        QCOMPARE(shownFlags(), (QStringList{u"N"_s, u"N"_s}));
        area = std::make_unique<QMdiArea>();
        area->show();
        refreshed = 0;
    }
    void cleanup()
    {
        area.reset();
        income.reset();
        closeBooks();
    }

    void closingShowsThePadlocksAndTheEvaLedger()
    {
        QCOMPARE(Beall.eva_nev, u"EVA"_s);
        Tfrm_Ado *other = OpenAdo(area.get(), *db, Beall.eva + 1, u"Más"_s);
        test::ScriptedPrompt prompt;
        prompt.answer(u"20062"_s).answer(true);
        close();
        QCOMPARE(prompt.asked().size(), 2);
        QCOMPARE(prompt.asked()[0].kind, Ask::Negyedev);
        QCOMPARE(prompt.asked()[0].value.toString(), u"20062"_s); // the current quarter
        QCOMPARE(prompt.asked()[1].text,
                 u"Valóban lezárjam a negyedévet? A művelet nem visszafordítható!"_s);
        QCOMPARE(prompt.asked()[1].caption, u"Megerősítés"_s);
        QCOMPARE(refreshed, 1);
        QCOMPARE(shownFlags(), (QStringList{u"I"_s, u"I"_s}));

        auto *eva = qobject_cast<Tfrm_Ado *>(area->activeSubWindow()->widget());
        QVERIFY(eva && eva != other);
        QCOMPARE(eva->Tipus(), Beall.eva);
        QCOMPARE(eva->windowTitle(), u"Összesítés adókról: EVA"_s);
        QCOMPARE(eva->model()->rowCount(), 1);
        QCOMPARE(eva->model()->value(0, u"fizetendo"_s).toDouble(), 22500.0);
        QCOMPARE(eva->model()->value(0, u"idoszak"_s).toString(), u"200605"_s);
    }

    void anOpenEvaLedgerComesForwardWithTheNewRow()
    {
        Tfrm_Ado *eva = OpenAdo(area.get(), *db, Beall.eva, Beall.eva_nev);
        OpenAdo(area.get(), *db, Beall.eva + 1, u"Más"_s);
        QCOMPARE(eva->model()->rowCount(), 0);
        test::ScriptedPrompt prompt;
        prompt.answer(u"20061"_s).answer(true);
        close();
        QCOMPARE(area->subWindowList().size(), 2);
        QCOMPARE(area->activeSubWindow()->widget(), eva);
        QCOMPARE(eva->model()->rowCount(), 1);
        QCOMPARE(eva->model()->value(0, u"adoalap"_s).toDouble(), 0.0);
    }

    void aClosedQuarterIsRefusedBeforeTheQuestion()
    {
        db->exec(u"INSERT INTO zaras (negyedev) VALUES ('20062')"_s);
        test::ScriptedPrompt prompt;
        prompt.answer(u"20062"_s);
        close();
        QCOMPARE(prompt.asked().size(), 2);
        QCOMPARE(prompt.asked()[1].kind, Ask::Hiba);
        QCOMPARE(prompt.asked()[1].text, u"Az időszak már le lett zárva."_s);
        QCOMPARE(refreshed, 0);
        QCOMPARE(closedFlags(), (QStringList{u"N"_s, u"N"_s}));
        QCOMPARE(count(u"ado"_s), 0);
        QVERIFY(area->subWindowList().isEmpty());
    }

    void cancellingWritesNothing_data()
    {
        QTest::addColumn<QVariantList>("answers");
        QTest::newRow("quarter dialog") << QVariantList{QVariant()};
        QTest::newRow("question") << QVariantList{u"20062"_s, false};
    }
    void cancellingWritesNothing()
    {
        QFETCH(QVariantList, answers);
        test::ScriptedPrompt prompt;
        for (const QVariant &answer : answers)
            prompt.answer(answer);
        close();
        QCOMPARE(prompt.pendingAnswers(), 0);
        QCOMPARE(prompt.asked().size(), answers.size());
        QCOMPARE(refreshed, 0);
        QCOMPARE(count(u"zaras"_s), 0);
        QCOMPARE(count(u"ado"_s), 0);
        QCOMPARE(closedFlags(), (QStringList{u"N"_s, u"N"_s}));
        QVERIFY(area->subWindowList().isEmpty());
    }

    void aStorageFailureIsShownAndUndone()
    {
        db->exec(u"CREATE TRIGGER refuse BEFORE INSERT ON zaras "
                 "BEGIN SELECT RAISE(ABORT, 'a lemez megtelt'); END"_s);
        test::ScriptedPrompt prompt;
        prompt.answer(u"20062"_s).answer(true);
        close();
        QCOMPARE(prompt.asked().last().kind, Ask::AppError);
        QCOMPARE(prompt.asked().last().text, u"a lemez megtelt."_s);
        QCOMPARE(count(u"ado"_s), 0);
        QCOMPARE(closedFlags(), (QStringList{u"N"_s, u"N"_s}));
        QVERIFY(area->subWindowList().isEmpty());
    }
};

QTEST_MAIN(TestQuarterClosingCommand)
#include "test_quarter_closing_command.moc"
