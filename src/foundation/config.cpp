#include "foundation/config.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/ini_file.h"
#include "foundation/locations.h"
#include "foundation/prompt.h"

#include <QDir>
#include <QFileInfo>

namespace kalmira {
namespace {

const QString kAlapertek = QStringLiteral("Alapertek");
const QString kAdatbazis = QStringLiteral("Adatbazis");
const QString kArchiv = QStringLiteral("Archiv");

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

void LoadIni()
{
    const Locations &where = locations();
    IniFile ini(where.IniUtvonal);
    ini.load();
    const QDate today = Clock::today();

    Beall.BetuMeret = ini.readInteger(kAlapertek, QStringLiteral("BetuMeret"), 9);
    Beall.TeljesKep = ini.readBool(kAlapertek, QStringLiteral("TeljesKep"), true);
    Beall.Bal = ini.readInteger(kAlapertek, QStringLiteral("Bal"), 5);
    Beall.Felul = ini.readInteger(kAlapertek, QStringLiteral("Felul"), 5);
    Beall.Magas = ini.readInteger(kAlapertek, QStringLiteral("Magas"), 400);
    Beall.Szeles = ini.readInteger(kAlapertek, QStringLiteral("Szeles"), 640);
    Beall.Idoszak = ini.value(kAlapertek, QStringLiteral("Idoszak"), idoszakOf(today));
    Beall.Utvonal = QDir::fromNativeSeparators(ini.value(kAdatbazis, QStringLiteral("Utvonal")));
    Beall.HtmlUt = QDir::fromNativeSeparators(ini.value(kAdatbazis, QStringLiteral("HtmlUt")));
    Beall.MentesUtvonal = QDir::fromNativeSeparators(ini.value(kArchiv, QStringLiteral("MentesUtvonal")));
    Beall.MentesDatum = ini.readDate(kArchiv, QStringLiteral("MentesDatum"), today.addDays(-10));

    // Only a configured folder that is gone is reported: the default folder
    // of a new installation is made when the books are first opened.
    if (Beall.Utvonal.isEmpty())
        Beall.Utvonal = where.dataFolder();
    else if (!isFolder(Beall.Utvonal)) {
        HibaBox(QStringLiteral("Nem létező adatbázis mappa, alapértelmezés visszaállítva."));
        Beall.Utvonal = where.dataFolder();
    }
    if (!isFolder(Beall.MentesUtvonal))
        Beall.MentesUtvonal = where.archiveFolder();
    if (Beall.HtmlUt.isEmpty())
        Beall.HtmlUt = where.htmlFolder();
    if (!isFolder(Beall.HtmlUt))
        QDir().mkpath(Beall.HtmlUt); // a folder that cannot be made is reported by the export
}

bool SaveIni(int left, int top, int height, int width)
{
    IniFile ini(locations().IniUtvonal);
    ini.load();
    // Keys are written in this order; a section or key new to the file is
    // appended, which gives a fresh file Alapertek, Adatbazis, Archiv.
    ini.writeInteger(kAlapertek, QStringLiteral("BetuMeret"), Beall.BetuMeret);
    ini.setValue(kAdatbazis, QStringLiteral("Utvonal"), Beall.Utvonal);
    ini.setValue(kAdatbazis, QStringLiteral("HtmlUt"), Beall.HtmlUt);
    ini.writeBool(kAlapertek, QStringLiteral("TeljesKep"), Beall.TeljesKep);
    ini.setValue(kAlapertek, QStringLiteral("Idoszak"), Beall.Idoszak);
    ini.setValue(kArchiv, QStringLiteral("MentesUtvonal"), Beall.MentesUtvonal);
    ini.writeDate(kArchiv, QStringLiteral("MentesDatum"), Beall.MentesDatum);
    ini.writeInteger(kAlapertek, QStringLiteral("Bal"), left);
    ini.writeInteger(kAlapertek, QStringLiteral("Felul"), top);
    ini.writeInteger(kAlapertek, QStringLiteral("Magas"), height);
    ini.writeInteger(kAlapertek, QStringLiteral("Szeles"), width);
    return ini.save();
}

} // namespace kalmira
