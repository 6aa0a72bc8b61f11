#include "shell/ui/command_hooks.h"

#include "ledgers/ui/bevetel_window.h"
#include "ledgers/ui/kiadas_window.h"
#include "ledgers/ui/open_obligation_ledger.h"
#include "shell/ui/main_window.h"
#include "shell/ui/mdi_children.h"

namespace kalmira {

void wireCommands(Tfrm_Main &main)
{
    Database &db = main.database();
    main.children().registerWindow(QStringLiteral("frm_Bevetel"),
                                   [&db] { return new Tfrm_Bevetel(db); });
    main.children().registerWindow(QStringLiteral("frm_Kiadas"),
                                   [&db] { return new Tfrm_Kiadas(db); });
    main.hooks().adok = [&main] { aAdoExecute(&main, main.mdiArea(), main.database()); };
    main.hooks().jarulekok = [&main] { aJarulekExecute(&main, main.mdiArea(), main.database()); };
}

} // namespace kalmira
