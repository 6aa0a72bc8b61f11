#pragma once

#include "ledgers/numbering.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/ledger_grid.h"
#include "shell/ui/icons.h"

#include <QKeySequence>
#include <QWidget>

#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

namespace kalmira {

class Database;

// What sets one ledger window apart from another.
struct LedgerSettings
{
    enum class PrintPeriod
    {
        ThisMonth,
        ThisYear // January to December of this year
    };
    // Rows outside it never show, whatever the period filter: the ledger
    // of one type in a table shared by all types.
    QString fixedFilter;
    QVariantMap fixedParams;
    PrintPeriod printPeriod = PrintPeriod::ThisMonth;
    // The least size the window opens at.
    QSize designSize;
};

// What every ledger window shares: a toolbar over a read-only grid on one
// ledger table, a context menu, the period filter, delete with renumbering,
// the period question of printing and closing. Each command's slot catches
// what the storage throws and shows it. What sets one ledger apart from
// another is in LedgerSettings.
class LedgerWindow : public QWidget
{
    Q_OBJECT
public:
    Database &database() const { return m_db; }
    LedgerGrid *grid() const { return m_grid; }
    PagedTableModel *model() const { return m_model; }
    QToolBar *toolBar() const { return m_toolBar; }
    QMenu *contextMenu() const { return m_menu; }

    // Reads the table again and keeps the current row where it can.
    void refresh();

    // The shortcut of "Bezár", which the MDI frame must not claim too.
    static QKeySequence aBezarKeys();

    // Wide enough for every column's title and a full value, some twenty rows high.
    QSize sizeHint() const override;

protected:
    LedgerWindow(Database &db, const QString &objectName, const QString &caption, QWidget *parent,
                 LedgerSettings settings = {});

    void setupGrid(const schema::Table &table, const QList<ModelColumn> &columns,
                   const QList<LedgerGrid::Width> &widths, int widthBase);
    QAction *addCommand(const char *name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut, IconRole icon, std::function<void()> slot);
    // nullptr in a list stands for a separator.
    void arrange(const QList<QAction *> &toolbar, const QList<QAction *> &menu);

    // Runs a command; a storage failure is shown in the error box.
    void guarded(const std::function<void()> &command);

    void Szures(QAction *action);
    void Torles(const NumberedTable &target);
    void Nyomtatas(const std::function<void(const QString &, const QString &)> &report);
    void Bezaras();
    // After a row dialog: the posted row becomes current.
    void showPosted(const std::optional<int> &number);

    void showEvent(QShowEvent *event) override;

private:
    void applyFontSize();
    void sortBy(int column);

    Database &m_db;
    LedgerSettings m_settings;
    LedgerGrid *m_grid;
    PagedTableModel *m_model = nullptr;
    QToolBar *m_toolBar;
    QMenu *m_menu;
};

} // namespace kalmira
