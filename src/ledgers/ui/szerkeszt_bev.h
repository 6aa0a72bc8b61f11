#pragma once

#include "ledgers/bevetel_sor.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace kalmira {

class Database;

// The income row dialog. It edits a copy of the row; OK refuses a closed
// quarter, derives the codes and the tax and stores the row, Mégsem leaves
// the books untouched.
class Tfrm_Szerkeszt_Bev : public QDialog
{
    Q_OBJECT
public:
    // A new row (uj) or the row of that number; returns the number of the
    // stored row, nothing when cancelled or when there was no row to edit.
    static std::optional<int> Edit(Database &db, bool uj, int number, QWidget *parent);

    Tfrm_Szerkeszt_Bev(Database &db, const BevetelSor &sor, bool uj, QWidget *parent = nullptr);

private:
    void btnOKClick();

    Database &m_db;
    BevetelSor m_sor;
    std::optional<QDate> m_stored; // the date the row had, for an existing row
    QDateEdit *m_datum;
    QLineEdit *m_bizonylat;
    QComboBox *m_leiras;
    QLineEdit *m_megjegyzes;
    QLineEdit *m_osszeg;
    QLineEdit *m_novelo;
    QLineEdit *m_csokkento;
    QCheckBox *m_fizetve;
    QLineEdit *m_sorszam;
    QPushButton *m_ok;
    QPushButton *m_megsem;
};

} // namespace kalmira
