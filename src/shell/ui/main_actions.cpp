#include "shell/ui/main_actions.h"

#include "shell/ui/icons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace kalmira {
namespace {

struct Command
{
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;
    int key; // 0: no shortcut
    IconRole icon;
};

const Command kCommands[] = {
    {"aBevetel", "Kalmira", "Bevételek", "Bevételek", Qt::Key_F6, IconRole::Bevetel},
    {"aAdo", "Kalmira", "Adók", "Adók", Qt::Key_F7, IconRole::Ado},
    {"aJarulek", "Kalmira", "Járulékok", "Járulékok", Qt::Key_F8, IconRole::Jarulek},
    {"aKiadas", "Kalmira", "Kiadások", "Kiadások", Qt::Key_F9, IconRole::Kiadas},
    {"aBezar", "Kalmira", "Bezár", "Bezár", 0, IconRole::Close},
    {"aFelhasznalo", "Rendszer", "Felhasználók", "Felhasználók", 0, IconRole::Users},
    {"aSQL", "Rendszer", "Szabad lekérdezés", "Szabad lekérdezés", 0, IconRole::Sql},
    {"aArchiv", "Rendszer", "Adatbázis archiválása", "Adatbázis archiválása", 0, IconRole::Archive},
    {"aBeallit", "Rendszer", "Beállítások", "Beállítások", 0, IconRole::Settings},
    {"aSugo", "Súgó", "Súgó", "Súgó", Qt::Key_F1, IconRole::Help},
    {"aFontos", "Súgó", "Fontos információk", "Fontos információk", 0, IconRole::Info},
    {"aHonlap", "Súgó", "Tervane honlapja", "Tervane honlapja", 0, IconRole::Globe},
    {"aLevel", "Súgó", "Levélküldés Tervanenak", "Levélküldés Tervanenak", 0, IconRole::Mail},
    {"aUjdonsag", "Súgó", "Újdonságok", "Újdonságok", 0, IconRole::News},
    {"aNevjegy", "Súgó", "Névjegy", "Névjegy", 0, IconRole::About},
    {"aNyomNyereseg", "Nyomtatások", "Nyereség számítás", "Nyereség számítás", 0, IconRole::Profit},
    {"aChBevetel", "Nyomtatások", "Bevétel diagram", "Bevétel diagram", 0, IconRole::ChartBar},
    {"aChBevMegoszlas", "Nyomtatások", "Bevételek megoszlása", "Bevételek megoszlása", 0,
     IconRole::ChartPie},
    {"aChNyereseg", "Nyomtatások", "Nyereség diagram", "Nyereség diagram", 0, IconRole::ChartLine},
    {"WindowCascade1", "Ablak", "Összes", "Összes látszik", 0, IconRole::Cascade},
    {"WindowTileHorizontal1", "Ablak", "Vízszintes", "Vízszintes elrendezés", 0,
     IconRole::TileHorizontal},
    {"WindowTileVertical1", "Ablak", "Függőleges", "Függőleges elrendezés", 0,
     IconRole::TileVertical},
    {"aBetuNovel", "Nézet", "Nagyít", "Betűméret növelése", Qt::Key_F11, IconRole::ZoomIn},
    {"aBetuCsokkent", "Nézet", "Kicsinyít", "Betűméret csökkentése", Qt::Key_F12,
     IconRole::ZoomOut},
};

struct Menu
{
    const char *name;
    const char *title;
    QList<const char *> entries; // "-" is a separator
};

const QList<Menu> &menus()
{
    static const QList<Menu> list{
        {"mnKalmira", "Kalmira", {"aBevetel", "-", "aAdo", "aJarulek", "aKiadas", "-", "aBezar"}},
        {"mnNyomtatasok",
         "Nyomtatások",
         {"aNyomNyereseg", "-", "aChBevetel", "aChBevMegoszlas", "aChNyereseg"}},
        {"mnRendszer", "Rendszer", {"aFelhasznalo", "aSQL", "aArchiv", "-", "aBeallit"}},
        {"mnAblakok",
         "Ablakok",
         {"WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1", "-"}},
        {"mnSugo",
         "Súgó",
         {"aSugo", "aFontos", "-", "aHonlap", "aLevel", "aUjdonsag", "-", "aNevjegy"}},
    };
    return list;
}

const QList<const char *> kToolBar{"aBevetel",
                                   "aAdo",
                                   "aJarulek",
                                   "aKiadas",
                                   "-",
                                   "aBetuNovel",
                                   "aBetuCsokkent",
                                   "-",
                                   "WindowCascade1",
                                   "WindowTileHorizontal1",
                                   "WindowTileVertical1",
                                   "-",
                                   "aBeallit",
                                   "-",
                                   "aBezar"};

const char *const kCategoryProperty = "kalmiraCategory";

bool isSeparator(const char *entry)
{
    return entry[0] == '-';
}

} // namespace

MainActions::MainActions(QWidget *window) : QObject(window)
{
    for (const Command &command : kCommands) {
        auto *action =
            new QAction(kalmiraIcon(command.icon), QString::fromUtf8(command.caption), window);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setStatusTip(QString::fromUtf8(command.hint));
        action->setToolTip(QString::fromUtf8(command.hint));
        action->setProperty(kCategoryProperty, QString::fromUtf8(command.category));
        if (command.key)
            action->setShortcut(QKeySequence(command.key));
        window->addAction(action); // shortcuts work wherever the focus is in the window
        m_actions << action;
    }
}

QAction *MainActions::action(const QString &name) const
{
    for (QAction *action : m_actions)
        if (action->objectName() == name)
            return action;
    qFatal("no command %s", qPrintable(name));
}

QString MainActions::category(const QAction *action)
{
    return action->property(kCategoryProperty).toString();
}

QMenu *MainActions::fillMenuBar(QMenuBar *bar) const
{
    QMenu *ablakok = nullptr;
    for (const Menu &menu : menus()) {
        QMenu *pulldown = bar->addMenu(QString::fromUtf8(menu.title));
        pulldown->setObjectName(QString::fromLatin1(menu.name));
        for (const char *entry : menu.entries) {
            if (isSeparator(entry))
                pulldown->addSeparator();
            else
                pulldown->addAction(action(QString::fromLatin1(entry)));
        }
        if (QLatin1String(menu.name) == QLatin1String("mnAblakok"))
            ablakok = pulldown;
    }
    return ablakok;
}

void MainActions::fillToolBar(QToolBar *bar) const
{
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(16, 16));
    bar->setMinimumHeight(38);
    for (const char *entry : kToolBar) {
        if (isSeparator(entry)) {
            bar->addSeparator();
            continue;
        }
        QAction *command = action(QString::fromLatin1(entry));
        bar->addAction(command);
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(command))) {
            button->setObjectName(QStringLiteral("tb_") + command->objectName());
            button->setMinimumSize(62, 36);
            button->setAutoRaise(true);
        }
    }
}

} // namespace kalmira
