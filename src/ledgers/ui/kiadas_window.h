#pragma once

#include "ledgers/ui/ledger_window.h"

namespace kalmira {

// The expense ledger: the rows of kiadas, the row dialog, delete with
// renumbering, the period filter, print and HTML export.
class Tfrm_Kiadas : public LedgerWindow
{
    Q_OBJECT
public:
    enum Column
    {
        Sorszam,
        Datum,
        Bizonylat,
        Leiras,
        Osszeg,
        Megjegyzes
    };

    explicit Tfrm_Kiadas(Database &db, QWidget *parent = nullptr);

    // The open one in the area brought forward, else a new one.
    static Tfrm_Kiadas *Open(QMdiArea &area, Database &db);

    QAction *aUj;
    QAction *aSzerkeszt;
    QAction *aTorol;
    QAction *aSzur;
    QAction *aNyomtat;
    QAction *aHtml;
    QAction *aBezar;

private:
    void EditKiadas(bool uj);
};

} // namespace kalmira
