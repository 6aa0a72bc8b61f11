#include "shell/ui/main_window.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/config.h"
#include "foundation/locations.h"
#include "foundation/prompt.h"
#include "shell/archive.h"
#include "shell/startup.h"
#include "shell/ui/main_actions.h"
#include "shell/ui/mdi_children.h"
#include "shell/ui/startup_hooks.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace kalmira {

Tfrm_Main::Tfrm_Main(QWidget *parent) : QMainWindow(parent), m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(applicationTitle());
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(m_mdi);
    buildCommands();
    buildStatusBar();
    wireCommands(*this);
    FormCreate();
}

Tfrm_Main::~Tfrm_Main()
{
    // The child windows go with the area; their news must not reach a
    // window that is being taken apart.
    disconnect(m_children, nullptr, this, nullptr);
}

void Tfrm_Main::buildStatusBar()
{
    // 75, 200 and 50 pixels; the hint panel takes what is left over.
    static const int widths[] = {75, 200, 50};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setMinimumWidth(widths[i]);
        if (i != 1)
            m_panels[i]->setMaximumWidth(widths[i]);
        statusBar()->addWidget(m_panels[i], i == 1 ? 1 : 0);
    }
}

void Tfrm_Main::buildCommands()
{
    m_actions = new MainActions(this);
    m_children = new MdiChildren(m_mdi);
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    m_windowMenu = m_actions->fillMenuBar(menuBar());
    auto *toolBar = addToolBar(QStringLiteral("Eszköztár"));
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->toggleViewAction()->setEnabled(false); // no context menu to hide it
    m_actions->fillToolBar(toolBar);
    setContextMenuPolicy(Qt::NoContextMenu);

    connect(m_children, &MdiChildren::changed, this, &Tfrm_Main::childWindowsChanged);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &Tfrm_Main::childWindowsChanged);
    childWindowsChanged();
    connectCommands();
}

QAction *Tfrm_Main::command(const QString &name) const
{
    return m_actions->action(name);
}

// The arrangement commands need a child window; the window list follows the children.
void Tfrm_Main::childWindowsChanged()
{
    const bool any = !m_mdi->subWindowList().isEmpty();
    for (const char *name : {"WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1"})
        command(QString::fromLatin1(name))->setEnabled(any);
    m_children->fillWindowList(m_windowMenu);
}

void Tfrm_Main::applyFontSize()
{
    QFont sized = font();
    sized.setPointSize(Beall.BetuMeret);
    setFont(sized);
    for (QWidget *ledger : m_children->ledgerWindows()) {
        QFont own = ledger->font();
        own.setPointSize(Beall.BetuMeret);
        ledger->setFont(own);
    }
}

void Tfrm_Main::FormCreate()
{
    chooseIniBesideProgram(locations());
    LoadIni();
    try {
        openBooks(m_db);
    } catch (const Error &error) {
        // The window still opens, without rights; commands report their own failures.
        ErrorBox(error.text());
        return;
    }
    m_presence.place(m_db.folder());
    if (!Beall.vanbelep) {
        Beall.rendszergazda = true;
        Beall.torzsszerkeszt = true;
        return;
    }
    try {
        m_admitted = ShowLogin(this, m_db);
    } catch (const Error &error) {
        HibaBox(QStringLiteral("Ismeretlen hiba, indítsa újra a programot.\r\n") + error.text());
        m_admitted = false;
    }
}

void Tfrm_Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void Tfrm_Main::FormShow()
{
    applyFontSize();
    if (Beall.TeljesKep) {
        const QRect work = screen()->availableGeometry();
        setGeometry(0, 0, work.right() + 1, work.bottom() + 1);
    } else {
        setGeometry(Beall.Bal, Beall.Felul, Beall.Szeles, Beall.Magas);
    }
    ShowSplash(this);
}

bool Tfrm_Main::FormClose()
{
    if (archiveReminderDue(Clock::today(), Beall.MentesDatum)
        && KerdesBox(QStringLiteral("Az adatbázis több mint 5 napja nem lett archiválva. Archiváljam most?"),
                     QStringLiteral("Kérdés"))
        && archiveDatabase(m_db) == ArchiveOutcome::NoFolder)
        return false;
    const QRect bounds = geometry();
    SaveIni(bounds.left(), bounds.top(), bounds.height(), bounds.width());
    m_presence.remove();
    m_db.close();
    return true;
}

void Tfrm_Main::closeEvent(QCloseEvent *event)
{
    if (!m_admitted || FormClose())
        event->accept();
    else
        event->ignore();
}

bool Tfrm_Main::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        DisplayHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void Tfrm_Main::DisplayHint(const QString &hint)
{
    m_panels[1]->setText(hint);
}

QString Tfrm_Main::hintText() const
{
    return m_panels[1]->text();
}

} // namespace kalmira
