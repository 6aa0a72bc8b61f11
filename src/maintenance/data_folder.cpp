#include "maintenance/data_folder.h"

#include "foundation/database.h"
#include "foundation/ini_file.h"
#include "foundation/locations.h"

#include <QDir>
#include <QFileInfo>

namespace kalmira {

QString configuredDataFolder()
{
    IniFile ini(locations().IniUtvonal);
    ini.load();
    return ini.value(QStringLiteral("Adatbazis"), QStringLiteral("Utvonal"),
                     locations().PrgUtvonal + QStringLiteral("/Data"));
}

std::optional<QString> existingDataFolder(const QString &pathText)
{
    QString folder = QDir::fromNativeSeparators(pathText);
    // A path typed on Windows may end in a backslash even where "\" is no separator.
    if (folder.size() > 1 &&
        (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    if (!QFileInfo(QDir(folder).filePath(QString::fromLatin1(Database::FileName))).isFile())
        return std::nullopt;
    return folder;
}

} // namespace kalmira
