#include "maintenance/ui/upd_main_window.h"

#include "foundation/prompt.h"

namespace kalmira {

Tfrm_Upd_Main::Tfrm_Upd_Main(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frm_Upd_Main"));
    setWindowTitle(applicationTitle());
}

} // namespace kalmira
