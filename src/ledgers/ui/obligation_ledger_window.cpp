#include "ledgers/ui/obligation_ledger_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/input_prompts.h"
#include "foundation/prompt.h"
#include "foundation/schema.h"
#include "ledgers/ui/obligation_edit_dialog.h"
#include "reports/ui/obligation_reports.h"

#include <QAction>

namespace kalmira {
namespace {

// The two flag columns lead the grid.
enum Column
{
    ColBevallva,
    ColKifizetve
};

QList<ModelColumn> columns(const QString &baseTitle)
{
    return {
        {QStringLiteral("bevallva"), QStringLiteral("bev")},
        {QStringLiteral("kifizetve"), QStringLiteral("kif.")},
        {QStringLiteral("sorszam"), QStringLiteral("sorszám")},
        {QStringLiteral("dat_esedekes"), QStringLiteral("esedékes")},
        {QStringLiteral("adoalap"), baseTitle},
        {QStringLiteral("mertek"), QStringLiteral("mérték")},
        {QStringLiteral("csokkento"), QStringLiteral("csökkentő")},
        {QStringLiteral("novelo"), QStringLiteral("növelő")},
        {QStringLiteral("fizetendo"), QStringLiteral("fizetendő")},
        {QStringLiteral("dat_kifizet"), QStringLiteral("megfizetve")},
        {QStringLiteral("ft_fizetve"), QStringLiteral("kifizetve")},
        {QStringLiteral("dat_bevall"), QStringLiteral("bevallva")},
    };
}

NumberedTable numbered(const KotelezettsegOldal &oldal, int tipus)
{
    return oldal.table == QLatin1String("ado") ? NumberedTable::ado(tipus)
                                               : NumberedTable::jarulek(tipus);
}

LedgerSettings settingsOf(const KotelezettsegOldal &oldal, int tipus, QSize designSize)
{
    LedgerSettings settings;
    settings.fixedFilter = oldal.typeField + QStringLiteral("=:ptip");
    settings.fixedParams = {{QStringLiteral("ptip"), tipus}};
    settings.printPeriod = LedgerSettings::PrintPeriod::ThisYear;
    settings.designSize = designSize;
    return settings;
}

} // namespace

ObligationLedgerWindow::ObligationLedgerWindow(Database &db, const Side &side, int tipus,
                                               QWidget *parent)
    : LedgerWindow(db, side.objectName, side.designCaption, parent,
                   settingsOf(*side.oldal, tipus, side.designSize)),
      m_side(side), m_tipus(tipus)
{
    // Flags as wide as their titles; the rest shares the width less the fixed part.
    setupGrid(schema::table(side.oldal->table), columns(side.baseTitle),
              {{25, 0},
               {25, 0},
               {0, 0.07},
               {0, 0.11},
               {0, 0.11},
               {0, 0.09},
               {0, 0.09},
               {0, 0.09},
               {0, 0.09},
               {0, 0.11},
               {0, 0.11},
               {0, 0.11}},
              83);
    const QPixmap tick = kalmiraIcon(IconRole::Tick).pixmap(16, 16);
    grid()->cellDelegate()->setPictureColumn(ColBevallva, tick, QPixmap());
    grid()->cellDelegate()->setPictureColumn(ColKifizetve, tick, QPixmap());
    buildCommands();
}

void ObligationLedgerWindow::buildCommands()
{
    QAction *uj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"),
                             QKeySequence(Qt::Key_Insert), IconRole::New, [this] { edit(true); });
    QAction *szerkeszt =
        addCommand("aSzerkeszt", QStringLiteral("Szerkeszt"), QStringLiteral("Szerkesztés"),
                   QKeySequence(Qt::Key_F2), IconRole::Edit, [this] { edit(false); });
    QAction *torol = addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                                QKeySequence(Qt::CTRL | Qt::Key_Delete), IconRole::Delete,
                                [this] { Torles(numbered(oldal(), m_tipus)); });
    QAction *bevallva =
        addCommand("aBevallva", QStringLiteral("Bevallva"), QStringLiteral("Bevallva"),
                   QKeySequence(Qt::CTRL | Qt::Key_B), IconRole::Declare, [this] { declare(); });
    QAction *megfizet =
        addCommand("aMegfizet", m_side.paidCaption, m_side.paidCaption,
                   QKeySequence(Qt::CTRL | Qt::Key_M), IconRole::Pay, [this] { pay(); });
    m_szur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                        QKeySequence(Qt::Key_F3), IconRole::Filter, [this] { Szures(m_szur); });
    m_szur->setCheckable(true);
    QAction *nyomtat = addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                                  QKeySequence(Qt::CTRL | Qt::Key_P), IconRole::Print, [this] {
                                      Nyomtatas([this](const QString &tol, const QString &ig) {
                                          m_side.print(this, database(), tol, ig, m_tipus);
                                      });
                                  });
    QAction *html = addCommand(
        "aHtml", QStringLiteral("Html exp."), QStringLiteral("Html export"),
        QKeySequence(Qt::CTRL | Qt::Key_H), IconRole::Html, [this] {
            Grid2HtmlExport(grid(), windowTitle(),
                            QStringLiteral("adoalap;csokkento;novelo;fizetendo;ft_fizetve"));
        });
    QAction *bezar = addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"),
                                aBezarKeys(), IconRole::Close, [this] { Bezaras(); });

    const QList<QAction *> commands{uj,       szerkeszt, torol,  nullptr, bevallva,
                                    megfizet, nullptr,   m_szur, nullptr, nyomtat,
                                    html,     nullptr,   bezar};
    arrange(commands, commands);
    connect(grid(), &LedgerGrid::rowActivated, szerkeszt, &QAction::trigger);
}

std::optional<int> ObligationLedgerWindow::currentSorszam() const
{
    const QVariant key = grid()->currentKey();
    if (!key.isValid())
        return std::nullopt;
    return key.toInt();
}

void ObligationLedgerWindow::selectSorszam(int sorszam)
{
    grid()->selectKey(sorszam);
}

void ObligationLedgerWindow::edit(bool uj)
{
    const std::optional<int> current = currentSorszam();
    if (!uj && !current)
        return;
    showPosted(m_side.edit(this, database(), uj, m_tipus, uj ? 0 : *current));
}

void ObligationLedgerWindow::toggleStep(
    bool (Kotelezettseg::*done)() const, const QString &undoQuestion,
    void (*undo)(Database &, const KotelezettsegOldal &, int, int),
    const std::function<bool(int, const Kotelezettseg &, QDate)> &perform)
{
    const std::optional<int> current = currentSorszam();
    if (!current)
        return;
    const std::optional<Kotelezettseg> row =
        KotelezettsegOlvas(database(), oldal(), m_tipus, *current);
    if (!row)
        return;
    if (((*row).*done)()) {
        if (!KerdesBox(undoQuestion, QStringLiteral("Megerősítés")))
            return;
        undo(database(), oldal(), m_tipus, *current);
    } else {
        QDate datum = Clock::today();
        if (!InputDatum(datum, QString()) || !perform(*current, *row, datum))
            return;
    }
    refresh();
}

void ObligationLedgerWindow::declare()
{
    toggleStep(&Kotelezettseg::bevallott, QStringLiteral("Töröljem a bevallást?"), &BevallasTorles,
               [this](int sorszam, const Kotelezettseg &, QDate datum) {
                   Bevall(database(), oldal(), m_tipus, sorszam, datum);
                   return true;
               });
}

void ObligationLedgerWindow::pay()
{
    toggleStep(
        &Kotelezettseg::fizetve, QStringLiteral("Töröljem a kifizetést?"), &FizetesTorles,
        [this](int sorszam, const Kotelezettseg &row, QDate datum) {
            // The year of the row's due date, whatever today is.
            const int ev = (row.dat_esedekes.isValid() ? row.dat_esedekes : Clock::today()).year();
            double osszeg = FizetesJavaslat(database(), oldal(), m_tipus, ev);
            if (!InputSzam(QStringLiteral("Összeg"), QStringLiteral("Add meg az összeget"), osszeg))
                return false;
            Megfizet(database(), oldal(), m_tipus, sorszam, datum, osszeg);
            return true;
        });
}

Tfrm_Ado::Tfrm_Ado(Database &db, int adotip, QWidget *parent)
    : ObligationLedgerWindow(db,
                             {&KotelezettsegOldal::ado(), QStringLiteral("frm_Ado"),
                              QStringLiteral("Adók"), QSize(638, 480), QStringLiteral("Megfizet"),
                              QStringLiteral("adóalap"), EditAdo, PrintAdo},
                             adotip, parent)
{
}

Tfrm_Jarulek::Tfrm_Jarulek(Database &db, int jarulektip, QWidget *parent)
    : ObligationLedgerWindow(db,
                             {&KotelezettsegOldal::jarulek(), QStringLiteral("frm_Jarulek"),
                              QStringLiteral("Járulékok"), QSize(651, 480),
                              QStringLiteral("Megfizetve"), QStringLiteral("járulékalap"),
                              EditJarulek, PrintJarulek},
                             jarulektip, parent)
{
}

} // namespace kalmira
