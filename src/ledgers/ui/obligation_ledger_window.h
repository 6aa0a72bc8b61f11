#pragma once

#include "ledgers/obligations.h"
#include "ledgers/ui/ledger_window.h"

#include <functional>
#include <optional>

namespace kalmira {

// A ledger of one tax or contribution type, a child of the main window's MDI
// area: the type's rows in a grid, with new, edit, delete with renumbering,
// declaration and payment with their undo, a period filter, print and HTML
// export. The type never changes for the life of the window.
class ObligationLedgerWindow : public LedgerWindow
{
    Q_OBJECT
public:
    int Tipus() const { return m_tipus; }
    const KotelezettsegOldal &oldal() const { return *m_side.oldal; }

    // The number of the current row; empty in a window without rows.
    std::optional<int> currentSorszam() const;
    void selectSorszam(int sorszam);

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

private:
    void buildCommands();
    void edit(bool uj);
    // Declaring and paying: on a row that has had the step, asks and undoes
    // it; else asks the date and performs it (false: cancelled).
    void toggleStep(bool (Kotelezettseg::*done)() const, const QString &undoQuestion,
                    void (*undo)(Database &, const KotelezettsegOldal &, int, int),
                    const std::function<bool(int, const Kotelezettseg &, QDate)> &perform);
    void declare();
    void pay();

    Side m_side;
    int m_tipus;
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
