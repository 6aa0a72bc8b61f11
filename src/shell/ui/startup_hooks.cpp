#include "shell/ui/startup_hooks.h"

namespace kalmira {

bool ShowLogin(QWidget *, Database &)
{
    return true;
}

void ShowSplash(QWidget *) {}

} // namespace kalmira
