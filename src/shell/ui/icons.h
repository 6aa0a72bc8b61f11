#pragma once

#include <QIcon>
#include <QList>

namespace kalmira {

// The roles of the program's icons, shared by the main window and the
// toolbars and grids of the other windows.
enum class IconRole
{
    Bevetel,
    Ado,
    Jarulek,
    Kiadas,
    Print,
    Printer,
    ChartBar,
    ChartPie,
    ChartLine,
    Profit,
    Filter,
    Padlock,
    Tick,
    GreyDot,
    RedCross,
    Globe,
    Users,
    Sql,
    Archive,
    Settings,
    Help,
    Info,
    About,
    Mail,
    News,
    Close,
    ZoomIn,
    ZoomOut,
    Cascade,
    TileHorizontal,
    TileVertical,
    // Commands of the ledger windows and the type catalogues.
    New,
    Edit,
    Delete,
    CloseQuarter,
    Declare,
    Pay,
    Html,
    Search,
    Calculate,
};

QList<IconRole> allIconRoles();

// Registers the program's pictures (":/icons/..."); done before any is used.
void loadResources();

// The desktop theme's icon where the theme has one for a general role
// (print, help, close, ...), else the program's own 16 and 32 pixel drawing.
// Roles that carry a meaning in the books (ledgers, tick, padlock, ...)
// always use the program's drawing.
QIcon kalmiraIcon(IconRole role);

// The program's own drawing, whatever the theme: ":/icons/<size>/<name>.png".
QIcon ownIcon(IconRole role);
QString iconFileName(IconRole role);

} // namespace kalmira
