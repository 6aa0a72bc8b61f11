#pragma once

#include <QString>

namespace kalmira {

// The three folders and files every run works out before its first window.
struct Locations
{
    QString PrgUtvonal;  // the program's folder
    QString AlapUtvonal; // base folder of working files
    QString IniUtvonal;  // the configuration file

    QString dataFolder() const { return AlapUtvonal + QStringLiteral("/Data"); }
    QString htmlFolder() const { return AlapUtvonal + QStringLiteral("/Html"); }
    QString archiveFolder() const { return AlapUtvonal + QStringLiteral("/Archiv"); }
    QString sqlFolder() const { return AlapUtvonal + QStringLiteral("/SQL"); }
};

// Works out the locations for a program in programFolder: the base folder is
// the shared application-data folder + "/Kalmira", created with its "Temp"
// subfolder when missing, or the program folder when that fails.
Locations resolveLocations(const QString &programFolder);

// A "Kalmira.ini" beside the program takes precedence over the base folder's.
void chooseIniBesideProgram(Locations &locations);

// The locations of this run.
Locations &locations();

} // namespace kalmira
