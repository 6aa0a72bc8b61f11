#pragma once

#include <QDate>
#include <QString>

namespace kalmira {

// The settings of the run: the configuration file's values, the rights of
// the user and the firm values of the beallit row.
struct TBeall
{
    int BetuMeret = 9;
    QString HtmlUt;
    bool TeljesKep = true;
    QString Utvonal;
    int Bal = 5;
    int Felul = 5;
    int Magas = 400;
    int Szeles = 640;
    bool torzsszerkeszt = false;
    bool rendszergazda = false;
    QString MentesUtvonal;
    QDate MentesDatum;
    bool vanbelep = false;
    QString Idoszak;
    double evaszorzo = 0;
    int eva = 0;
    QString eva_nev;
};

// The one settings record of the process.
inline TBeall Beall;

} // namespace kalmira
