#include "ledgers/ui/open_obligation_ledger.h"

#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/type_catalogue_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace kalmira {
namespace {

template <typename Window>
Window *open(QMdiArea *area, Database &db, int tipus, const QString &caption)
{
    for (QMdiSubWindow *frame : area->subWindowList(QMdiArea::CreationOrder)) {
        auto *window = qobject_cast<Window *>(frame->widget());
        if (window && window->Tipus() == tipus) {
            if (frame->isMinimized())
                frame->showNormal();
            area->setActiveSubWindow(frame);
            window->refresh();
            return window;
        }
    }
    auto *window = new Window(db, tipus);
    window->setWindowTitle(caption);
    QMdiSubWindow *frame = area->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // The frame's own close item would make Ctrl+F4 ambiguous, and so dead;
    // the window's "Bezár" command answers it.
    if (QMenu *menu = frame->systemMenu())
        for (QAction *action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                action->setShortcuts({});
    const QMargins frameMargins = frame->contentsMargins();
    frame->resize(std::min(window->width() + frameMargins.left() + frameMargins.right(),
                           area->viewport()->width()),
                  std::min(window->height() + frameMargins.top() + frameMargins.bottom(),
                           area->viewport()->height()));
    window->show();
    area->setActiveSubWindow(frame);
    return window;
}

} // namespace

Tfrm_Ado *OpenAdo(QMdiArea *area, Database &db, int adotip, const QString &nev)
{
    return open<Tfrm_Ado>(area, db, adotip, QStringLiteral("Összesítés adókról: ") + nev);
}

Tfrm_Jarulek *OpenJarulek(QMdiArea *area, Database &db, int jarulektip, const QString &nev)
{
    return open<Tfrm_Jarulek>(area, db, jarulektip,
                              QStringLiteral("Összesítés járulékokról: ") + nev);
}

void aAdoExecute(QWidget *parent, QMdiArea *area, Database &db)
{
    try {
        QString nev;
        const int tipus = ChooseAdoTip(parent, db, -1, nev);
        if (tipus != -1)
            OpenAdo(area, db, tipus, nev);
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

void aJarulekExecute(QWidget *parent, QMdiArea *area, Database &db)
{
    try {
        QString nev;
        const int tipus = ChooseJarulekTip(parent, db, -1, nev);
        if (tipus != -1)
            OpenJarulek(area, db, tipus, nev);
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

} // namespace kalmira
