#pragma once

#include "ledgers/obligations.h"
#include "shell/ui/icons.h"

#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QTableView;
class QToolBar;

namespace kalmira {

class Database;
class PagedTableModel;

// A ledger of one tax or contribution type, a child of the main window's MDI
// area: the type's rows in a grid, with new, edit, delete with renumbering,
// declaration and payment with their undo, a period filter, print and HTML
// export. The type never changes for the life of the window.
class ObligationLedgerWindow : public QWidget
{
    Q_OBJECT
public:
    int Tipus() const { return m_tipus; }
    const KotelezettsegOldal &oldal() const { return *m_side.oldal; }
    PagedTableModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    QMenu *popupMenu() const { return m_popup; }

    // The number of the current row; empty in a window without rows.
    std::optional<int> currentSorszam() const;
    void selectSorszam(int sorszam);
    // Reads the rows again, keeping the current row where it still is shown.
    void refresh();

    // The design size, wider where the columns need it.
    QSize sizeHint() const override;

protected:
    using Editor = std::function<std::optional<int>(QWidget *, Database &, bool, int, int)>;
    using Printer =
        std::function<void(QWidget *, Database &, const QString &, const QString &, int)>;
    struct Side
    {
        const KotelezettsegOldal *oldal;
        QString objectName;
        QString designCaption;
        QSize designSize;
        QString paidCaption;
        QString baseTitle;
        Editor edit;
        Printer print;
    };
    ObligationLedgerWindow(Database &db, const Side &side, int tipus, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QAction *addCommand(const char *name, const QString &caption, const QString &hint,
                        const QKeySequence &key, IconRole icon,
                        void (ObligationLedgerWindow::*slot)());
    void buildCommands();
    void buildGrid();
    void setColumnWidths();
    int preferredWidth() const;
    void applyFontSize();
    void orderBy(int column);
    // Runs a command, showing what the storage refuses in the error box.
    void guarded(const std::function<void()> &command);
    // Declaring and paying: on a row that has had the step, asks and undoes
    // it; else asks the date and performs it (false: cancelled).
    void toggleStep(bool (Kotelezettseg::*done)() const, const QString &undoQuestion,
                    void (*undo)(Database &, const KotelezettsegOldal &, int, int),
                    const std::function<bool(int, const Kotelezettseg &, QDate)> &perform);

    void aUjExecute();
    void aSzerkesztExecute();
    void aTorolExecute();
    void aBevallvaExecute();
    void aMegfizetExecute();
    void aSzurExecute();
    void aNyomtatExecute();
    void aHtmlExecute();
    void aBezarExecute();

    Database &m_db;
    Side m_side;
    int m_tipus;
    PagedTableModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_szur = nullptr;
};

class Tfrm_Ado : public ObligationLedgerWindow
{
    Q_OBJECT
public:
    Tfrm_Ado(Database &db, int adotip, QWidget *parent = nullptr);
};

class Tfrm_Jarulek : public ObligationLedgerWindow
{
    Q_OBJECT
public:
    Tfrm_Jarulek(Database &db, int jarulektip, QWidget *parent = nullptr);
};

} // namespace kalmira
