#pragma once

#include "ledgers/ledger_row.h"

#include <QDialog>

#include <functional>
#include <utility>

class QDateEdit;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kalmira {

class Database;

// What the income and expense row dialogs share: the number, date, voucher,
// description pick list, note and amount fields, the OK and Mégsem buttons,
// the layout and the tab order through them. A subclass adds its own fields
// under the amount and decides what OK stores.
class LedgerRowDialog : public QDialog
{
    Q_OBJECT
protected:
    // table names the ledger whose descriptions the pick list offers.
    LedgerRowDialog(Database &db, const QString &table, const QString &objectName,
                    const QString &title, QWidget *parent);

    // A row under the amount: its label (none when empty) and its field.
    using ExtraField = std::pair<QString, QWidget *>;
    // Lays the fields out, the extra ones under the amount in the tab order
    // too, and applies the dialog conventions; the subclass calls it last.
    void arrange(const QList<ExtraField> &extra);

    void showRow(const LedgerSor &sor, const QString &sorszam);
    // The typed fields into sor; false (and the field focused) when the
    // amount is no number.
    bool readRow(LedgerSor &sor) const;
    // Stores through post, which returns false when it refused (and said
    // why); a refusal or a storage failure keeps the dialog open with what
    // the user typed, else it is accepted.
    void finish(const std::function<bool()> &post);

    virtual void btnOKClick() = 0;

    Database &m_db;
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
