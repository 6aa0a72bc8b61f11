#include "foundation/locations.h"
#include "foundation/prompt.h"
#include "shell/ui/application_setup.h"
#include "shell/ui/main_window.h"
#include "shell/ui/wheel_to_arrow_filter.h"
#include "shell/ui/widget_prompt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kalmira::setUpApplication(app, "Kalmira");
    kalmira::locations() = kalmira::resolveLocations(QCoreApplication::applicationDirPath());
    kalmira::WidgetPrompt prompt;
    kalmira::setPrompt(&prompt);
    app.installEventFilter(new kalmira::WheelToArrowFilter(&app));

    kalmira::Tfrm_Main window;
    if (!window.admitted())
        return 0;
    window.show();
    return app.exec();
}
