#include "ledgers/ui/ledger_window.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/database.h"
#include "foundation/input_prompts.h"
#include "foundation/prompt.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <QToolBar>
#include <QVBoxLayout>

namespace kalmira {

QKeySequence LedgerWindow::aBezarKeys()
{
    return QKeySequence(Qt::CTRL | Qt::Key_F4);
}

LedgerWindow::LedgerWindow(Database &db, const QString &objectName, const QString &caption,
                           QWidget *parent, LedgerSettings settings)
    : QWidget(parent), m_db(db), m_settings(std::move(settings)), m_grid(new LedgerGrid(this)),
      m_toolBar(new QToolBar(this)), m_menu(new QMenu(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    applyFontSize(); // before the first sizeHint, which measures with it
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid);

    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(m_grid->viewport()->mapToGlobal(at)); });
    connect(m_grid, &LedgerGrid::titleClicked, this, &LedgerWindow::sortBy);
}

void LedgerWindow::setupGrid(const schema::Table &table, const QList<ModelColumn> &columns,
                             const QList<LedgerGrid::Width> &widths, int widthBase)
{
    m_model = new PagedTableModel(m_db, table, columns, this);
    if (!m_settings.fixedFilter.isEmpty())
        m_model->setBaseFilter(m_settings.fixedFilter, m_settings.fixedParams);
    m_grid->setLedgerModel(m_model);
    m_grid->setWidthRule(widths, widthBase);
    connect(m_model, &PagedTableModel::readFailed, this,
            [](const QString &text) { ErrorBox(text); });
    guarded([this] {
        m_model->refresh();
        m_grid->selectRow(0);
    });
}

QSize LedgerWindow::sizeHint() const
{
    const int rows = 20;
    const int height =
        m_toolBar->sizeHint().height() + m_grid->horizontalHeader()->sizeHint().height() +
        rows * m_grid->verticalHeader()->defaultSectionSize() + 2 * m_grid->frameWidth();
    return QSize(m_grid->preferredWidth(), height).expandedTo(m_settings.designSize);
}

QAction *LedgerWindow::addCommand(const char *name, const QString &caption, const QString &hint,
                                  const QKeySequence &shortcut, IconRole icon,
                                  std::function<void()> slot)
{
    auto *action = new QAction(kalmiraIcon(icon), caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    // Ins and F3 belong to the ledger that has the focus, not to every open one.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, slot = std::move(slot)] { guarded(slot); });
    return action;
}

void LedgerWindow::arrange(const QList<QAction *> &toolbar, const QList<QAction *> &menu)
{
    for (QAction *action : toolbar) {
        if (action)
            m_toolBar->addAction(action);
        else
            m_toolBar->addSeparator();
    }
    for (QAction *action : menu) {
        if (action)
            m_menu->addAction(action);
        else
            m_menu->addSeparator();
    }
}

void LedgerWindow::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const Error &error) {
        ErrorBox(error.text());
    } catch (const std::exception &error) {
        ErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

void LedgerWindow::refresh()
{
    const QVariant key = m_grid->currentKey();
    const int row = m_grid->currentRow();
    m_model->refresh();
    if (!m_grid->selectKey(key))
        m_grid->selectRow(std::max(row, 0));
}

void LedgerWindow::sortBy(int column)
{
    guarded([this, column] {
        const QVariant key = m_grid->currentKey();
        m_model->setSortColumn(column);
        if (!m_grid->selectKey(key))
            m_grid->selectRow(0);
        m_grid->viewport()->update();
    });
}

void LedgerWindow::Szures(QAction *action)
{
    // The tick follows the filter, also when switching fails half-way.
    if (m_model->isFiltered()) {
        action->setChecked(true);
        const QVariant key = m_grid->currentKey();
        m_model->setFilter({}, {});
        action->setChecked(false);
        if (!m_grid->selectKey(key))
            m_grid->selectRow(0);
        return;
    }
    action->setChecked(false);
    QString idoszak = idoszakOf(Clock::today());
    if (!InputStr(QStringLiteral("Időszak"), QStringLiteral("Add meg az időszakot (pl. 2006.02)"),
                  idoszak, QString::fromLatin1(IdoszakMaszk)))
        return;
    const QVariant key = m_grid->currentKey();
    m_model->setFilter(QStringLiteral("idoszak=:pidoszak"),
                       {{QStringLiteral("pidoszak"), idoszak}});
    action->setChecked(true);
    if (!m_grid->selectKey(key))
        m_grid->selectRow(0);
}

void LedgerWindow::Torles(const NumberedTable &target)
{
    const QVariant key = m_grid->currentKey();
    if (!key.isValid())
        return;
    const int number = key.toInt();
    if (SorLezarva(m_db, target, number)) {
        HibaBox(QStringLiteral("Ez a sor már le lett zárva."));
        return;
    }
    if (!KerdesBox(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés")))
        return;
    const int row = m_grid->currentRow();
    DeleteOutcome outcome;
    {
        // Renumbering a long ledger from an early row takes a while.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        outcome = TorolEsSorszamoz(m_db, target, number);
    }
    if (outcome == DeleteOutcome::Closed)
        HibaBox(QStringLiteral("Ez a sor már le lett zárva."));
    m_model->refresh();
    m_grid->selectRow(row);
}

void LedgerWindow::Nyomtatas(const std::function<void(const QString &, const QString &)> &report)
{
    QString tol = idoszakOf(Clock::today());
    QString ig = tol;
    if (m_settings.printPeriod == LedgerSettings::PrintPeriod::ThisYear) {
        const QString ev = QString::number(Clock::today().year());
        tol = ev + QStringLiteral("01");
        ig = ev + QStringLiteral("12");
    }
    if (InputIdoszak(tol, ig))
        report(tol, ig);
}

void LedgerWindow::Bezaras()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void LedgerWindow::showPosted(const std::optional<int> &number)
{
    if (!number)
        return;
    m_model->refresh();
    if (!m_grid->selectKey(*number))
        m_grid->selectRow(m_grid->currentRow());
}

void LedgerWindow::applyFontSize()
{
    QFont font = this->font();
    font.setPointSize(Beall.BetuMeret);
    setFont(font);
}

void LedgerWindow::showEvent(QShowEvent *event)
{
    applyFontSize();
    QWidget::showEvent(event);
}

} // namespace kalmira
