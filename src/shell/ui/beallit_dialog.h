#pragma once

#include "shell/settings_store.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kalmira {

class Database;
class MaskedEdit;

// The settings of this installation (Beall, written to Kalmira.ini at close)
// and of the firm (the beallit row) on three tabs. OK writes both; Mégsem
// leaves both as they were.
class Tfrm_Beallit : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Beallit(Database &db, QWidget *parent = nullptr);
    void accept() override;

private:
    QWidget *buildAltalanos();
    QWidget *buildAdoAdatok();
    QWidget *buildCegAdatok();
    QPushButton *browseButton(QLineEdit *field, const char *name);
    void fill();
    // The row as the fields give it; false (after telling the user) when a
    // field does not convert.
    bool readRow(BeallitRow &row);
    bool refuse(QWidget *field, const QString &text);

    Database &m_db;
    BeallitRow m_row;
    QTabWidget *PageControl1;
    QCheckBox *cbTeljesKep;
    QCheckBox *cbVanbelep;
    QLineEdit *eUtvonal;
    QLineEdit *eMentesUtvonal;
    QLineEdit *eHtmlUt;
    QLineEdit *eEvaszorzo;
    QComboBox *cbEva;
    QComboBox *cbTarsasagi;
    QLineEdit *eCegnev;
    MaskedEdit *eAdoszam;
    QLineEdit *eTevkezd;
};

// The settings command's dialog: shows it modally and keeps or discards the
// changes. Storage failures come as Error.
void EditBeallit(QWidget *parent, Database &db);

} // namespace kalmira
