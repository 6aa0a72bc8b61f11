#pragma once

#include "ledgers/ui/ledger_window.h"

namespace kalmira {

// The income ledger: the rows of bevetel with their closed and received
// pictures, the row dialog, delete with renumbering, the period filter,
// print, HTML export and the entry to quarter closing.
class Tfrm_Bevetel : public LedgerWindow
{
    Q_OBJECT
public:
    enum Column
    {
        Zar,
        Fiz,
        Sorszam,
        Datum,
        Bizonylat,
        Leiras,
        Osszeg,
        Novelo,
        Csokkento,
        Adoalap,
        Adoeloleg,
        Megjegyzes,
    };

    explicit Tfrm_Bevetel(Database &db, QWidget *parent = nullptr);

    // The open one in the area brought forward, else a new one.
    static Tfrm_Bevetel *Open(QMdiArea &area, Database &db);

    QAction *aUj;
    QAction *aSzerkeszt;
    QAction *aTorol;
    QAction *aZar;
    QAction *aSzur;
    QAction *aNyomtat;
    QAction *aHtml;
    QAction *aBezar;

private:
    void EditBevetel(bool uj);
};

} // namespace kalmira
