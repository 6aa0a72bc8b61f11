#include "foundation/locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kalmira {
namespace {

const QString kIniName = QStringLiteral("Kalmira.ini");

QString withoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString sharedDataFolder()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

} // namespace

Locations resolveLocations(const QString &programFolder)
{
    Locations result;
    QString program = withoutTrailingSeparator(QDir::fromNativeSeparators(programFolder));
#ifdef Q_OS_WIN
    program = program.toLower(); // the file system ignores case only there
#endif
    result.PrgUtvonal = program;

    const QString shared = sharedDataFolder();
    result.AlapUtvonal = shared.isEmpty() ? program : shared + QStringLiteral("/Kalmira");
    if (!QFileInfo(result.AlapUtvonal).isDir()) {
        if (!QDir().mkpath(result.AlapUtvonal))
            result.AlapUtvonal = program;
        QDir().mkpath(result.AlapUtvonal + QStringLiteral("/Temp"));
    }
    result.IniUtvonal = result.AlapUtvonal + QLatin1Char('/') + kIniName;
    return result;
}

void chooseIniBesideProgram(Locations &locations)
{
    const QString beside = locations.PrgUtvonal + QLatin1Char('/') + kIniName;
    if (QFileInfo::exists(beside))
        locations.IniUtvonal = beside;
}

Locations &locations()
{
    static Locations current;
    return current;
}

} // namespace kalmira
