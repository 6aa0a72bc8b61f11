#include "foundation/locations.h"
#include "foundation/prompt.h"
#include "maintenance/ui/upd_main_window.h"
#include "shell/ui/application_setup.h"
#include "shell/ui/widget_prompt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kalmira::setUpApplication(app, "Kalmira - adatbázis karbantartás");
    kalmira::locations() = kalmira::resolveLocations(QCoreApplication::applicationDirPath());
    kalmira::WidgetPrompt prompt;
    kalmira::setPrompt(&prompt);

    kalmira::Tfrm_Upd_Main window;
    window.show();
    return app.exec();
}
