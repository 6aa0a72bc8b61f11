#pragma once

#include "ledgers/kiadas_sor.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace kalmira {

class Database;

// The expense row dialog: edits a copy of the row; OK derives the codes and
// stores it at once, Mégsem leaves the books untouched.
class Tfrm_Szerkeszt_Kiad : public QDialog
{
    Q_OBJECT
public:
    // A new row (uj) or the row of that number; returns the number of the
    // stored row, nothing when cancelled.
    static std::optional<int> Edit(Database &db, bool uj, int number, QWidget *parent);

    Tfrm_Szerkeszt_Kiad(Database &db, const KiadasSor &sor, bool uj, QWidget *parent = nullptr);

private:
    void btnOKClick();

    Database &m_db;
    KiadasSor m_sor;
    bool m_uj;
    QDateEdit *m_datum;
    QLineEdit *m_bizonylat;
    QComboBox *m_leiras;
    QLineEdit *m_megjegyzes;
    QLineEdit *m_osszeg;
    QLineEdit *m_sorszam;
    QPushButton *m_ok;
    QPushButton *m_megsem;
};

} // namespace kalmira
