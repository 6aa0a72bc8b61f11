#include "ledgers/ui/obligation_ledger_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/database.h"
#include "foundation/input_prompts.h"
#include "foundation/prompt.h"
#include "foundation/schema.h"
#include "ledgers/numbering.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/ledger_grid_delegate.h"
#include "ledgers/ui/obligation_edit_dialog.h"
#include "reports/ui/obligation_reports.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace kalmira {
namespace {

// Grid columns: the two flags, then the row's numbers and dates.
enum Column
{
    ColBevallva,
    ColKifizetve,
    ColSorszam,
    ColEsedekes,
    ColAdoalap,
    ColMertek,
    ColCsokkento,
    ColNovelo,
    ColFizetendo,
    ColDatKifizet,
    ColFtFizetve,
    ColDatBevall,
    ColumnCount
};

// Shares of the grid's width, less its fixed part, in per cent.
constexpr int kWidths[ColumnCount] = {0, 0, 7, 11, 11, 9, 9, 9, 9, 11, 11, 11};
constexpr int kFlagWidth = 20;
constexpr int kFixedPart = 73;

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

} // namespace

ObligationLedgerWindow::ObligationLedgerWindow(Database &db, const Side &side, int tipus,
                                               QWidget *parent)
    : QWidget(parent), m_db(db), m_side(side), m_tipus(tipus)
{
    setObjectName(side.objectName);
    setWindowTitle(side.designCaption);
    applyFontSize();
    m_model =
        new PagedTableModel(db, schema::table(side.oldal->table), columns(side.baseTitle), this);
    m_model->setBaseFilter(side.oldal->typeField + QStringLiteral("=:ptip"),
                           {{QStringLiteral("ptip"), tipus}});
    connect(m_model, &PagedTableModel::readFailed, this,
            [](const QString &text) { ErrorBox(text); });
    buildGrid();
    buildCommands();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid);
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, ColSorszam));
}

QSize ObligationLedgerWindow::sizeHint() const
{
    return {std::max(m_side.designSize.width(), preferredWidth()), m_side.designSize.height()};
}

// Wide enough for every column to show its title and a full value; the
// design width where that is wider.
int ObligationLedgerWindow::preferredWidth() const
{
    const QFontMetrics metrics(m_grid->font());
    const QString date = QStringLiteral("2006.12.31.");
    const QString amount = QStringLiteral("99 999 999");
    const QString samples[ColumnCount] = {{},     {},     QStringLiteral("9999"),
                                          date,   amount, QStringLiteral("100,00"),
                                          amount, amount, amount,
                                          date,   amount, date};
    int share = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        if (kWidths[column] == 0)
            continue;
        const QString title =
            m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int needed =
            std::max(metrics.horizontalAdvance(title), metrics.horizontalAdvance(samples[column])) +
            14;
        share = std::max(share, (needed * 100 + kWidths[column] - 1) / kWidths[column]);
    }
    return share + kFixedPart;
}

void ObligationLedgerWindow::applyFontSize()
{
    QFont sized = font();
    if (sized.pointSize() != Beall.BetuMeret) {
        sized.setPointSize(Beall.BetuMeret);
        setFont(sized);
    }
}

void ObligationLedgerWindow::buildGrid()
{
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new LedgerGridDelegate(m_model, {ColBevallva, ColKifizetve}, m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(18);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([&] { orderBy(column); }); });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { aSzerkesztExecute(); });
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });
}

QAction *ObligationLedgerWindow::addCommand(const char *name, const QString &caption,
                                            const QString &hint, const QKeySequence &key,
                                            IconRole icon, void (ObligationLedgerWindow::*slot)())
{
    auto *action = new QAction(kalmiraIcon(icon), caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(key);
    // Several ledgers may be open: a key reaches only the active one.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void ObligationLedgerWindow::buildCommands()
{
    using W = ObligationLedgerWindow;
    QAction *uj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"),
                             QKeySequence(Qt::Key_Insert), IconRole::New, &W::aUjExecute);
    QAction *szerkeszt =
        addCommand("aSzerkeszt", QStringLiteral("Szerkeszt"), QStringLiteral("Szerkesztés"),
                   QKeySequence(Qt::Key_F2), IconRole::Edit, &W::aSzerkesztExecute);
    QAction *torol =
        addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                   QKeySequence(Qt::CTRL | Qt::Key_Delete), IconRole::Delete, &W::aTorolExecute);
    QAction *bevallva =
        addCommand("aBevallva", QStringLiteral("Bevallva"), QStringLiteral("Bevallva"),
                   QKeySequence(Qt::CTRL | Qt::Key_B), IconRole::Declare, &W::aBevallvaExecute);
    QAction *megfizet =
        addCommand("aMegfizet", m_side.paidCaption, m_side.paidCaption,
                   QKeySequence(Qt::CTRL | Qt::Key_M), IconRole::Pay, &W::aMegfizetExecute);
    m_szur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                        QKeySequence(Qt::Key_F3), IconRole::Filter, &W::aSzurExecute);
    m_szur->setCheckable(true);
    QAction *nyomtat =
        addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                   QKeySequence(Qt::CTRL | Qt::Key_P), IconRole::Print, &W::aNyomtatExecute);
    QAction *html =
        addCommand("aHtml", QStringLiteral("Html exp."), QStringLiteral("Html export"),
                   QKeySequence(Qt::CTRL | Qt::Key_H), IconRole::Html, &W::aHtmlExecute);
    QAction *bezar =
        addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"),
                   QKeySequence(Qt::CTRL | Qt::Key_F4), IconRole::Close, &W::aBezarExecute);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    const QList<QList<QAction *>> groups{
        {uj, szerkeszt, torol}, {bevallva, megfizet}, {m_szur}, {nyomtat, html}, {bezar}};
    for (const QList<QAction *> &group : groups) {
        if (group.constFirst() != uj) {
            m_toolBar->addSeparator();
            m_popup->addSeparator();
        }
        m_toolBar->addActions(group);
        m_popup->addActions(group);
    }
}

void ObligationLedgerWindow::showEvent(QShowEvent *event)
{
    applyFontSize();
    QWidget::showEvent(event);
    setColumnWidths();
}

void ObligationLedgerWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setColumnWidths();
}

void ObligationLedgerWindow::setColumnWidths()
{
    const int share = m_grid->width() - kFixedPart;
    for (int column = 0; column < ColumnCount; ++column)
        m_grid->setColumnWidth(
            column, kWidths[column] == 0 ? kFlagWidth : std::max(1, share * kWidths[column] / 100));
}

std::optional<int> ObligationLedgerWindow::currentSorszam() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const QVariant number = m_model->value(current.row(), QStringLiteral("sorszam"));
    if (!number.isValid())
        return std::nullopt;
    return number.isNull() ? 0 : number.toInt();
}

void ObligationLedgerWindow::selectSorszam(int sorszam)
{
    const int row = m_model->rowOfKey(sorszam);
    if (row >= 0)
        m_grid->setCurrentIndex(m_model->index(row, std::max(0, m_grid->currentIndex().column())));
}

void ObligationLedgerWindow::refresh()
{
    const std::optional<int> current = currentSorszam();
    const int at = m_grid->currentIndex().row();
    m_model->refresh();
    const int row = current ? m_model->rowOfKey(*current) : -1;
    const int shown = row >= 0 ? row : std::min(at, m_model->rowCount() - 1);
    if (shown >= 0)
        m_grid->setCurrentIndex(m_model->index(shown, ColSorszam));
}

void ObligationLedgerWindow::orderBy(int column)
{
    const std::optional<int> current = currentSorszam();
    m_model->setSortColumn(column);
    if (current)
        selectSorszam(*current);
    m_grid->viewport()->update();
}

void ObligationLedgerWindow::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

void ObligationLedgerWindow::aUjExecute()
{
    guarded([this] {
        if (const std::optional<int> stored = m_side.edit(this, m_db, true, m_tipus, 0)) {
            m_model->refresh();
            selectSorszam(*stored);
        }
    });
}

void ObligationLedgerWindow::aSzerkesztExecute()
{
    guarded([this] {
        const std::optional<int> current = currentSorszam();
        if (current && m_side.edit(this, m_db, false, m_tipus, *current))
            refresh();
    });
}

void ObligationLedgerWindow::aTorolExecute()
{
    guarded([this] {
        const std::optional<int> current = currentSorszam();
        if (!current ||
            !KerdesBox(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés")))
            return;
        const int at = m_grid->currentIndex().row();
        TorolEsSorszamoz(m_db, numbered(oldal(), m_tipus), *current);
        m_model->refresh();
        const int shown = std::min(at, m_model->rowCount() - 1);
        if (shown >= 0)
            m_grid->setCurrentIndex(m_model->index(shown, ColSorszam));
    });
}

void ObligationLedgerWindow::toggleStep(
    bool (Kotelezettseg::*done)() const, const QString &undoQuestion,
    void (*undo)(Database &, const KotelezettsegOldal &, int, int),
    const std::function<bool(int, const Kotelezettseg &, QDate)> &perform)
{
    guarded([&] {
        const std::optional<int> current = currentSorszam();
        if (!current)
            return;
        const std::optional<Kotelezettseg> row =
            KotelezettsegOlvas(m_db, oldal(), m_tipus, *current);
        if (!row)
            return;
        if (((*row).*done)()) {
            if (!KerdesBox(undoQuestion, QStringLiteral("Megerősítés")))
                return;
            undo(m_db, oldal(), m_tipus, *current);
        } else {
            QDate datum = Clock::today();
            if (!InputDatum(datum, QString()) || !perform(*current, *row, datum))
                return;
        }
        refresh();
    });
}

void ObligationLedgerWindow::aBevallvaExecute()
{
    toggleStep(&Kotelezettseg::bevallott, QStringLiteral("Töröljem a bevallást?"), &BevallasTorles,
               [this](int sorszam, const Kotelezettseg &, QDate datum) {
                   Bevall(m_db, oldal(), m_tipus, sorszam, datum);
                   return true;
               });
}

void ObligationLedgerWindow::aMegfizetExecute()
{
    toggleStep(
        &Kotelezettseg::fizetve, QStringLiteral("Töröljem a kifizetést?"), &FizetesTorles,
        [this](int sorszam, const Kotelezettseg &row, QDate datum) {
            // The year of the row's due date, whatever today is.
            const int ev = (row.dat_esedekes.isValid() ? row.dat_esedekes : Clock::today()).year();
            double osszeg = FizetesJavaslat(m_db, oldal(), m_tipus, ev);
            if (!InputSzam(QStringLiteral("Összeg"), QStringLiteral("Add meg az összeget"), osszeg))
                return false;
            Megfizet(m_db, oldal(), m_tipus, sorszam, datum, osszeg);
            return true;
        });
}

void ObligationLedgerWindow::aSzurExecute()
{
    guarded([this] {
        if (m_model->isFiltered()) {
            m_model->setFilter({}, {});
        } else {
            QString idoszak = idoszakOf(Clock::today());
            if (InputStr(QStringLiteral("Időszak"),
                         QStringLiteral("Add meg az időszakot (pl. 2006.02)"), idoszak,
                         QString::fromLatin1(IdoszakMaszk)))
                m_model->setFilter(QStringLiteral("idoszak=:pidoszak"),
                                   {{QStringLiteral("pidoszak"), idoszak}});
        }
    });
    m_szur->setChecked(m_model->isFiltered());
    if (m_model->rowCount() > 0 && !m_grid->currentIndex().isValid())
        m_grid->setCurrentIndex(m_model->index(0, ColSorszam));
}

void ObligationLedgerWindow::aNyomtatExecute()
{
    guarded([this] {
        const QString ev = QString::number(Clock::today().year());
        QString tol = ev + QStringLiteral("01");
        QString ig = ev + QStringLiteral("12");
        if (InputIdoszak(tol, ig))
            m_side.print(this, m_db, tol, ig, m_tipus);
    });
}

void ObligationLedgerWindow::aHtmlExecute()
{
    guarded([this] {
        Grid2HtmlExport(m_grid, windowTitle(),
                        QStringLiteral("adoalap;csokkento;novelo;fizetendo;ft_fizetve"));
    });
}

void ObligationLedgerWindow::aBezarExecute()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
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
