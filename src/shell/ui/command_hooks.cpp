#include "shell/ui/command_hooks.h"

#include "shell/ui/main_window.h"

namespace kalmira {

void wireCommands(Tfrm_Main &)
{
    // The ledger, catalogue, report, user, SQL and help windows register here.
}

} // namespace kalmira
