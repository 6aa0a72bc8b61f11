#include "shell/ui/application_setup.h"

#include "foundation/prompt.h"
#include "shell/ui/icons.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

namespace kalmira {

void setUpApplication(QApplication &app, const char *title)
{
    const QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
    QLocale::setDefault(hungarian);
    auto *translator = new QTranslator(&app);
    if (translator->load(hungarian, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    applicationTitle() = QString::fromUtf8(title);
    QApplication::setApplicationName(applicationTitle());
    loadResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kalmira.png")));

    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(255, 218, 181));
    QToolTip::setPalette(hints);
}

} // namespace kalmira
