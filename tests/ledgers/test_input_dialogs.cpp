// The five input dialogs driven through their real widgets.
#include "foundation/beall.h"
#include "foundation/input_prompts.h"
#include "foundation/window_positions.h"
#include "ledgers/ui/datumbe_dialog.h"
#include "ledgers/ui/idoszak_dialog.h"
#include "ledgers/ui/inp_str_dialog.h"
#include "ledgers/ui/inp_szam_dialog.h"
#include "ledgers/ui/negyedev_dialog.h"
#include "shell/ui/widget_prompt.h"
#include "support/scripted_prompt.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kalmira;

namespace {

QLineEdit *edit(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no field %s", name);
    return found;
}

void typeInto(QLineEdit *field, const QString &keys)
{
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, keys);
}

// Runs `act` on the modal dialog once it is open.
void whenModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            qFatal("no modal dialog open");
        act(modal);
    });
}

} // namespace

class TestInputDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_env = std::make_unique<test::TestEnv>(); }
    void cleanup() { m_env.reset(); }

    void periodCodeTypedAndShown()
    {
        test::ScriptedPrompt prompt;
        Tfrm_InpStr dialog;
        dialog.setUp(QStringLiteral("Időszak"),
                     QStringLiteral("Add meg az időszakot (pl. 2006.02)"), QStringLiteral("200605"),
                     QString::fromLatin1(IdoszakMaszk));
        QLineEdit *field = edit(&dialog, "Edit1");
        QCOMPARE(field->displayText(), QStringLiteral("2006.05"));

        typeInto(field, QStringLiteral("200602"));
        QCOMPARE(field->displayText(), QStringLiteral("2006.02"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.text(), QStringLiteral("200602"));
        QVERIFY(prompt.asked().isEmpty());
    }

    void stringDialogKeepsLowerCaseAndRefusesGaps()
    {
        test::ScriptedPrompt prompt;
        Tfrm_InpStr dialog;
        dialog.setUp(QStringLiteral("Időszak"), QString(), QString(),
                     QString::fromLatin1(IdoszakMaszk));
        QLineEdit *field = edit(&dialog, "Edit1");
        typeInto(field, QStringLiteral("ab12cd"));
        QCOMPARE(field->displayText(), QStringLiteral("ab12.cd"));
        QCOMPARE(dialog.text(), QStringLiteral("ab12cd"));

        typeInto(field, QStringLiteral("20061"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Nem megfelelő érték.")});
    }

    void periodRangeKeepsReversedRangeAndEnterMovesOn()
    {
        Tfrm_Idoszak dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Időszak megadása"));
        dialog.setRange(QStringLiteral("200612"), QStringLiteral("200601"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit *tol = edit(&dialog, "eTol");
        QLineEdit *ig = edit(&dialog, "eIg");
        QCOMPARE(tol->displayText(), QStringLiteral("2006.12"));
        tol->setFocus();
        QTest::keyClick(tol, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), ig);
        QVERIFY(dialog.isVisible()); // Enter moved on, it did not accept
        dialog.accept();
        QCOMPARE(dialog.tol(), QStringLiteral("200612"));
        QCOMPARE(dialog.ig(), QStringLiteral("200601"));
    }

    void quarterTakesAnyDigit()
    {
        Tfrm_Negyedev dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Negyedév megadás"));
        QLineEdit *field = edit(&dialog, "eNegyedev");
        typeInto(field, QStringLiteral("2006x5"));
        QCOMPARE(field->displayText(), QStringLiteral("2006.5"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.negyedev(), QStringLiteral("20065"));
    }

    void numberDialog()
    {
        test::ScriptedPrompt prompt;
        Tfrm_Inp dialog;
        dialog.setUp(QStringLiteral("Összeg"), QStringLiteral("Add meg az összeget"), 1234.5);
        QLineEdit *field = edit(&dialog, "Edit1");
        QCOMPARE(field->text(), QStringLiteral("1234,5"));
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

        typeInto(field, QStringLiteral("1a2 b,5"));
        QCOMPARE(field->text(), QStringLiteral("12,5")); // typed letters and spaces are dropped

        field->clear();
        field->insert(QStringLiteral("abc")); // pasted
        dialog.findChild<QPushButton *>(QStringLiteral("OK"))->click();
        QCOMPARE(prompt.askedTexts(), QStringList{QStringLiteral("Nem megfelelő érték.")});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(field->text(), QStringLiteral("abc"));

        field->clear();
        field->insert(QStringLiteral("12 500"));
        dialog.findChild<QPushButton *>(QStringLiteral("OK"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), 12500.0);
        QCOMPARE(prompt.asked().size(), 1);
    }

    void numberDialogKeys()
    {
        Tfrm_Inp dialog;
        dialog.setUp(QStringLiteral("Összeg"), QString(), 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit *field = edit(&dialog, "Edit1");
        typeInto(field, QStringLiteral("-7,25"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.value(), -7.25);

        Tfrm_Inp cancelled;
        cancelled.setUp(QStringLiteral("Összeg"), QString(), 3);
        cancelled.show();
        QVERIFY(QTest::qWaitForWindowActive(&cancelled));
        QTest::keyClick(edit(&cancelled, "Edit1"), Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(!cancelled.isVisible());
    }

    void dateCaption()
    {
        Tfrm_Datumbe dialog;
        dialog.setUp(QDate(2006, 3, 15), QString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Dátum megadása"));
        auto *picker = dialog.findChild<QDateEdit *>(QStringLiteral("eAlso"));
        QVERIFY(!picker->calendarPopup());
        QCOMPARE(picker->date(), QDate(2006, 3, 15));
        dialog.setUp(QDate(2006, 3, 15), QStringLiteral("Befizetés dátuma"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Befizetés dátuma"));
    }

    // The entry operations reach the real dialogs through the program's prompt.
    void entryOperationsOpenTheDialogs()
    {
        WidgetPrompt widgets;
        Prompt *previous = setPrompt(&widgets);

        QString tol = QStringLiteral("200601"), ig = QStringLiteral("200612");
        whenModal([](QWidget *modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frm_Idoszak"));
            typeInto(edit(modal, "eIg"), QStringLiteral("200603"));
            modal->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        });
        QVERIFY(InputIdoszak(tol, ig));
        QCOMPARE(ig, QStringLiteral("200603"));

        double amount = 10;
        whenModal([](QWidget *modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frm_Inp"));
            modal->findChild<QPushButton *>(QStringLiteral("Megsem"))->click();
        });
        QVERIFY(
            !InputSzam(QStringLiteral("Összeg"), QStringLiteral("Add meg az összeget"), amount));
        QCOMPARE(amount, 10.0);

        QDate day(2006, 5, 31);
        whenModal([](QWidget *modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Dátum megadása"));
            modal->findChild<QDateEdit *>()->setDate(QDate(2006, 6, 1));
            modal->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        });
        QVERIFY(InputDatum(day, QString()));
        QCOMPARE(day, QDate(2006, 6, 1));

        QString negyedev = QStringLiteral("20062");
        whenModal([](QWidget *modal) {
            QCOMPARE(edit(modal, "eNegyedev")->displayText(), QStringLiteral("2006.2"));
            modal->findChild<QPushButton *>(QStringLiteral("OK"))->click();
        });
        QVERIFY(InputNegyedev(negyedev));
        QCOMPARE(negyedev, QStringLiteral("20062"));

        setPrompt(previous);
    }

    // Each dialog takes the font size and its remembered place, stores the
    // place on close and paints the focused field light blue.
    void dialogConventions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("frm_InpStr") << "frm_InpStr";
        QTest::newRow("frm_Idoszak") << "frm_Idoszak";
        QTest::newRow("frm_Negyedev") << "frm_Negyedev";
        QTest::newRow("frm_Datumbe") << "frm_Datumbe";
        QTest::newRow("frm_Inp") << "frm_Inp";
    }

    void dialogConventions()
    {
        QFETCH(QString, kind);
        std::unique_ptr<QDialog> dialog;
        if (kind == QLatin1String("frm_InpStr"))
            dialog = std::make_unique<Tfrm_InpStr>();
        else if (kind == QLatin1String("frm_Idoszak"))
            dialog = std::make_unique<Tfrm_Idoszak>();
        else if (kind == QLatin1String("frm_Negyedev"))
            dialog = std::make_unique<Tfrm_Negyedev>();
        else if (kind == QLatin1String("frm_Datumbe"))
            dialog = std::make_unique<Tfrm_Datumbe>();
        else
            dialog = std::make_unique<Tfrm_Inp>();
        QCOMPARE(dialog->objectName(), kind);

        Beall.BetuMeret = 10;
        SavePozicio(kind, 140, 90);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QCOMPARE(dialog->font().pointSize(), 10);
        QCOMPARE(dialog->pos(), QPoint(140, 90));

        QWidget *field = QApplication::focusWidget();
        QVERIFY(field && field->window() == dialog.get());
        const QImage look = field->grab().toImage();
        QCOMPARE(look.pixelColor(look.width() / 2, 3), QColor(166, 202, 240));

        dialog->move(200, 120);
        dialog->reject();
        int left = 0, top = 0;
        LoadPozicio(kind, left, top);
        QCOMPARE(QPoint(left, top), QPoint(200, 120));
    }

private:
    std::unique_ptr<test::TestEnv> m_env;
};

QTEST_MAIN(TestInputDialogs)
#include "test_input_dialogs.moc"
