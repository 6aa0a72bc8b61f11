#include "shell/ui/icons.h"

#include <QHash>

// The pictures are compiled into a static library, whose resources are
// linked in only when something names them.
static void initKalmiraResources()
{
    Q_INIT_RESOURCE(kalmira);
}

namespace kalmira {

void loadResources()
{
    static const bool loaded = (initKalmiraResources(), true);
    Q_UNUSED(loaded);
}

namespace {

struct IconFile
{
    IconRole role;
    const char *file;
    const char *themeName; // freedesktop name, or nullptr for our drawing only
};

const IconFile kIcons[] = {
    {IconRole::Bevetel, "bevetel", nullptr},
    {IconRole::Ado, "ado", nullptr},
    {IconRole::Jarulek, "jarulek", nullptr},
    {IconRole::Kiadas, "kiadas", nullptr},
    {IconRole::Print, "print", "document-print"},
    {IconRole::Printer, "printer", "printer"},
    {IconRole::ChartBar, "chart-bar", nullptr},
    {IconRole::ChartPie, "chart-pie", nullptr},
    {IconRole::ChartLine, "chart-line", nullptr},
    {IconRole::Profit, "profit", nullptr},
    {IconRole::Filter, "filter", nullptr},
    {IconRole::Padlock, "padlock", nullptr},
    {IconRole::Tick, "tick", nullptr},
    {IconRole::GreyDot, "grey-dot", nullptr},
    {IconRole::RedCross, "red-cross", nullptr},
    {IconRole::Globe, "globe", "web-browser"},
    {IconRole::Users, "users", "system-users"},
    {IconRole::Sql, "sql", nullptr},
    {IconRole::Archive, "archive", nullptr},
    {IconRole::Settings, "settings", "preferences-system"},
    {IconRole::Help, "help", "help-browser"},
    {IconRole::Info, "info", "dialog-information"},
    {IconRole::About, "about", "help-about"},
    {IconRole::Mail, "mail", "mail-message-new"},
    {IconRole::News, "news", nullptr},
    {IconRole::Close, "close", "application-exit"},
    {IconRole::ZoomIn, "zoom-in", "zoom-in"},
    {IconRole::ZoomOut, "zoom-out", "zoom-out"},
    {IconRole::Cascade, "cascade", nullptr},
    {IconRole::TileHorizontal, "tile-horizontal", nullptr},
    {IconRole::TileVertical, "tile-vertical", nullptr},
    {IconRole::New, "row-new", nullptr},
    {IconRole::Edit, "row-edit", nullptr},
    {IconRole::Delete, "row-delete", nullptr},
    {IconRole::CloseQuarter, "close-quarter", nullptr},
    {IconRole::Declare, "declare", nullptr},
    {IconRole::Pay, "pay", nullptr},
    {IconRole::Html, "html", nullptr},
    {IconRole::Search, "search", nullptr},
    {IconRole::Calculate, "calculate", nullptr},
};

const IconFile &entry(IconRole role)
{
    for (const IconFile &icon : kIcons)
        if (icon.role == role)
            return icon;
    return kIcons[0];
}

} // namespace

QList<IconRole> allIconRoles()
{
    QList<IconRole> roles;
    for (const IconFile &icon : kIcons)
        roles << icon.role;
    return roles;
}

QString iconFileName(IconRole role)
{
    return QString::fromLatin1(entry(role).file);
}

QIcon ownIcon(IconRole role)
{
    loadResources();
    QIcon icon;
    for (const int size : {16, 32})
        icon.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(iconFileName(role)),
                     QSize(size, size));
    return icon;
}

QIcon kalmiraIcon(IconRole role)
{
    static QHash<int, QIcon> cache;
    const auto found = cache.constFind(int(role));
    if (found != cache.cend())
        return *found;
    const char *themeName = entry(role).themeName;
    const QIcon icon = themeName && QIcon::hasThemeIcon(QString::fromLatin1(themeName))
                           ? QIcon::fromTheme(QString::fromLatin1(themeName))
                           : ownIcon(role);
    cache.insert(int(role), icon);
    return icon;
}

} // namespace kalmira
