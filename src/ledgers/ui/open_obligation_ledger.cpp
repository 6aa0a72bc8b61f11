#include "ledgers/ui/open_obligation_ledger.h"

#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/ui/obligation_ledger_window.h"
#include "ledgers/ui/type_catalogue_window.h"
#include "shell/ui/mdi_children.h"

namespace kalmira {
namespace {

template <typename Window>
Window *open(QMdiArea *area, Database &db, int tipus, const QString &objectName,
             const QString &caption)
{
    MdiChildren &children = MdiChildren::of(area);
    if (auto *window = qobject_cast<Window *>(children.find(objectName, tipus))) {
        children.bringForward(window);
        window->refresh();
        return window;
    }
    auto *window = new Window(db, tipus);
    window->setWindowTitle(caption);
    children.add(window, tipus);
    return window;
}

} // namespace

Tfrm_Ado *OpenAdo(QMdiArea *area, Database &db, int adotip, const QString &nev)
{
    return open<Tfrm_Ado>(area, db, adotip, QStringLiteral("frm_Ado"),
                          QStringLiteral("Összesítés adókról: ") + nev);
}

Tfrm_Jarulek *OpenJarulek(QMdiArea *area, Database &db, int jarulektip, const QString &nev)
{
    return open<Tfrm_Jarulek>(area, db, jarulektip, QStringLiteral("frm_Jarulek"),
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
