#pragma once

#include "ledgers/type_catalogue.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kalmira {

class Database;

// The editor of one type of a catalogue. OK stores the type and closes; when
// a value is no number or the storage refuses the row it says why and stays
// open with everything as typed. Any other way out stores nothing.
class TypeEditorDialog : public QDialog
{
    Q_OBJECT
public:
    // The type as stored by OK (a new one with its key).
    const Tipus &tipus() const { return m_tipus; }

    void accept() override;

protected:
    struct Side
    {
        const KotelezettsegOldal *oldal;
        QString objectName;
        QString caption;
        QString nameLabel;
    };
    TypeEditorDialog(Database &db, const Side &side, const Tipus &tipus, QWidget *parent);

private:
    Database &m_db;
    Side m_side;
    Tipus m_tipus;
    QLineEdit *m_nev;
    QLineEdit *m_mertek;
    QLineEdit *m_csokkmertek;
    QLineEdit *m_novmertek;
    QCheckBox *m_fix;
    QPushButton *m_ok;
    QPushButton *m_megsem;
};

class Tfrm_TorzsAdoTip_Szerkeszt : public TypeEditorDialog
{
    Q_OBJECT
public:
    Tfrm_TorzsAdoTip_Szerkeszt(Database &db, const Tipus &tipus, QWidget *parent = nullptr);
};

class Tfrm_TorzsJarulekTip_Szerkeszt : public TypeEditorDialog
{
    Q_OBJECT
public:
    Tfrm_TorzsJarulekTip_Szerkeszt(Database &db, const Tipus &tipus, QWidget *parent = nullptr);
};

} // namespace kalmira
