#pragma once

#include <QString>

#include <functional>

namespace kalmira {

class Tfrm_Main;

// What the main window's commands open, where that window belongs to another
// part of the program. A hook left empty makes its command do nothing.
struct CommandHooks
{
    using Window = std::function<void()>;
    // Runs with the period range the user chose.
    using Report = std::function<void(const QString &tol, const QString &ig)>;

    Window adok;      // pick a tax type, then its ledger
    Window jarulekok; // pick a contribution type, then its ledger
    Window felhasznalok;
    Window sql;
    Window sugo;
    Window fontos;
    Window honlap;
    Window level;
    Window ujdonsag;
    Window nevjegy;
    Report nyereseg;
    Report chBevetel;
    Report chBevMegoszlas;
    Report chNyereseg;
};

// Fills the main window's hooks and registers its child windows
// (MdiChildren::registerWindow, "frm_Bevetel" and "frm_Kiadas" for F6 and F9;
// the tax and contribution ledgers of F7 and F8 through their type catalogues).
// Called once when the main window is created.
void wireCommands(Tfrm_Main &main);

} // namespace kalmira
