#pragma once

#include "foundation/database.h"
#include "foundation/presence_mark.h"
#include "shell/ui/command_hooks.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace kalmira {

class MainActions;
class MdiChildren;

// The main window: owns the connection to the books and the MDI area of the
// ledger windows. Creating it runs the start-up, closing it the shutdown.
// Its commands are defined in MainActions and carried out in main_commands.cpp.
class Tfrm_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Main(QWidget *parent = nullptr);
    ~Tfrm_Main() override;

    Database &database() { return m_db; }
    QMdiArea *mdiArea() const { return m_mdi; }
    // False when the login was refused and the program is to end.
    bool admitted() const { return m_admitted; }

    void DisplayHint(const QString &hint);
    QString hintText() const;

    // The command of that name ("aBevetel").
    QAction *command(const QString &name) const;
    MdiChildren &children() const { return *m_children; }
    CommandHooks &hooks() { return m_hooks; }
    QMenu *windowMenu() const { return m_windowMenu; }

    // Beall.BetuMeret on the main window and on every open ledger window.
    void applyFontSize();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormClose();
    void buildStatusBar();
    void buildCommands();
    void childWindowsChanged();

    // Command handlers, in main_commands.cpp.
    void connectCommands();
    void runCommand(const std::function<void()> &work);
    bool hasRight(bool right);
    void runReport(const CommandHooks::Report &report);
    void aBevetelExecute();
    void aKiadasExecute();
    void aFelhasznaloExecute();
    void aSQLExecute();
    void aArchivExecute();
    void aBeallitExecute();
    void aBetuNovelExecute();
    void aBetuCsokkentExecute();

    Database m_db{QStringLiteral("Ostrel")};
    PresenceMark m_presence;
    QMdiArea *m_mdi;
    MainActions *m_actions = nullptr;
    MdiChildren *m_children = nullptr;
    QMenu *m_windowMenu = nullptr;
    CommandHooks m_hooks;
    QLabel *m_panels[3] = {};
    bool m_admitted = true;
    bool m_shown = false;
};

} // namespace kalmira
