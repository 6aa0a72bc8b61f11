#pragma once

#include "ledgers/obligations.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kalmira {

class AmountEdit;
class Database;

// The row dialog of the two obligation books: edits a copy of one row and
// stores it on OK, with its period code taken from the due date. The compute
// button fills the reduction, the increase and the amount due from the base,
// the row's rate and the type's values. Payment and declaration are only shown.
class ObligationEditDialog : public QDialog
{
    Q_OBJECT
public:
    const Kotelezettseg &row() const { return m_row; }

    void accept() override;

protected:
    struct Side
    {
        const KotelezettsegOldal *oldal;
        QString objectName;
        QString caption;
        QString baseLabel;
        bool largeAmounts;    // base and amount due in large bold type
        bool baseHighlighted; // the base edit turns light blue with the focus
    };
    ObligationEditDialog(Database &db, const Side &side, const Kotelezettseg &row, bool uj,
                         QWidget *parent);

private:
    void build();
    void load();
    void szamol();
    // Every amount as typed into the copy; false (with the error shown) when
    // one is no number.
    bool readAmounts();

    Database &m_db;
    Side m_side;
    Kotelezettseg m_row;
    bool m_uj;

    QDateEdit *m_esedekes = nullptr;
    AmountEdit *m_adoalap = nullptr;
    AmountEdit *m_mertek = nullptr;
    QToolButton *m_szamol = nullptr;
    AmountEdit *m_csokkento = nullptr;
    AmountEdit *m_novelo = nullptr;
    AmountEdit *m_fizetendo = nullptr;
    QLineEdit *m_sorszam = nullptr;
    QCheckBox *m_megfizetve = nullptr;
    QLineEdit *m_datKifizet = nullptr;
    QCheckBox *m_bevallva = nullptr;
    QLineEdit *m_datBevall = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_megsem = nullptr;
};

class Tfrm_Szerkeszt_Ado : public ObligationEditDialog
{
    Q_OBJECT
public:
    Tfrm_Szerkeszt_Ado(Database &db, const Kotelezettseg &row, bool uj, QWidget *parent = nullptr);
};

class Tfrm_Szerkeszt_Jarulek : public ObligationEditDialog
{
    Q_OBJECT
public:
    Tfrm_Szerkeszt_Jarulek(Database &db, const Kotelezettseg &row, bool uj,
                           QWidget *parent = nullptr);
};

// A new row of the type (uj) or the stored row of that number, edited in the
// dialog. The number of the row stored, or empty when the dialog was
// cancelled or the row no longer exists.
std::optional<int> EditAdo(QWidget *parent, Database &db, bool uj, int tipus, int sorszam = 0);
std::optional<int> EditJarulek(QWidget *parent, Database &db, bool uj, int tipus, int sorszam = 0);

} // namespace kalmira
