#pragma once

#include <QString>

class QMdiArea;
class QWidget;

namespace kalmira {

class Database;
class Tfrm_Ado;
class Tfrm_Jarulek;

// The ledger of one tax type in the MDI area: the open window of that type is
// brought to the front (its caption kept, its rows read again); otherwise a
// new one opens, captioned "Összesítés adókról: " and the name.
Tfrm_Ado *OpenAdo(QMdiArea *area, Database &db, int adotip, const QString &nev);
// The same for a contribution type, captioned "Összesítés járulékokról: ".
Tfrm_Jarulek *OpenJarulek(QMdiArea *area, Database &db, int jarulektip, const QString &nev);

// The main window's "Adók" (F7) and "Járulékok" (F8): the type is picked in
// its catalogue, and unless the catalogue was closed, its ledger is shown.
void aAdoExecute(QWidget *parent, QMdiArea *area, Database &db);
void aJarulekExecute(QWidget *parent, QMdiArea *area, Database &db);

} // namespace kalmira
