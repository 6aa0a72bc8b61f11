#include "foundation/window_positions.h"

#include "foundation/ini_file.h"
#include "foundation/locations.h"

namespace kalmira {
namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

IniFile loadedIni()
{
    IniFile ini(locations().IniUtvonal);
    ini.load();
    return ini;
}

} // namespace

void LoadPozicio(const QString &name, int &left, int &top)
{
    const IniFile ini = loadedIni();
    left = ini.readInteger(name, kLeft, 10);
    top = ini.readInteger(name, kTop, 10);
}

void SavePozicio(const QString &name, int left, int top)
{
    IniFile ini = loadedIni();
    ini.writeInteger(name, kLeft, left);
    ini.writeInteger(name, kTop, top);
    ini.save();
}

void LoadMeret(const QString &name, int &left, int &top, int &height, int &width)
{
    const IniFile ini = loadedIni();
    left = ini.readInteger(name, kLeft, 10);
    top = ini.readInteger(name, kTop, 10);
    width = ini.readInteger(name, kWidth, width);
    height = ini.readInteger(name, kHeight, height);
}

void SaveMeret(const QString &name, int left, int top, int height, int width)
{
    IniFile ini = loadedIni();
    ini.writeInteger(name, kLeft, left);
    ini.writeInteger(name, kTop, top);
    ini.writeInteger(name, kWidth, width);
    ini.writeInteger(name, kHeight, height);
    ini.save();
}

} // namespace kalmira
