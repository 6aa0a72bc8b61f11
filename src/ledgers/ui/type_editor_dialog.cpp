#include "ledgers/ui/type_editor_dialog.h"

#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/display_format.h"
#include "ledgers/ui/amount_edit.h"
#include "shell/ui/dialog_conventions.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kalmira {
namespace {

const QString kRefused = QStringLiteral("Hiányos, vagy hibás adatmegadás\r\n");

QLineEdit *numberEdit(const Ertek &value, const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(value ? plainNumber(*value) : QString(), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

} // namespace

TypeEditorDialog::TypeEditorDialog(Database &db, const Side &side, const Tipus &tipus,
                                   QWidget *parent)
    : QDialog(parent), m_db(db), m_side(side), m_tipus(tipus)
{
    setObjectName(side.objectName);
    setWindowTitle(side.caption);
    m_nev = new QLineEdit(tipus.nev, this);
    m_nev->setObjectName(QStringLiteral("edNev"));
    m_nev->setMaxLength(25);
    m_mertek = numberEdit(tipus.mertek, "edMertek", this);
    m_csokkmertek = numberEdit(tipus.csokkmertek, "edCsokkmertek", this);
    m_novmertek = numberEdit(tipus.novmertek, "edNovmertek", this);
    m_fix = new QCheckBox(QStringLiteral("Fix?"), this);
    m_fix->setObjectName(QStringLiteral("cbFix"));
    m_fix->setChecked(tipus.fix == QLatin1String("I"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btnOk"));
    m_megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));
    m_ok->setAutoDefault(false);
    m_megsem->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(side.nameLabel, m_nev);
    form->addRow(QStringLiteral("mérték"), m_mertek);
    form->addRow(QStringLiteral("csökkentés mérték"), m_csokkmertek);
    form->addRow(QStringLiteral("növelés mérték"), m_novmertek);
    form->addRow(QString(), m_fix);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_megsem);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_nev->setMinimumWidth(200);

    connect(m_ok, &QPushButton::clicked, this, &TypeEditorDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &TypeEditorDialog::reject);
    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

void TypeEditorDialog::accept()
{
    Tipus edited = m_tipus;
    edited.nev = m_nev->text();
    edited.fix = m_fix->isChecked() ? QStringLiteral("I") : QStringLiteral("N");
    const std::pair<QLineEdit *, Ertek *> numbers[] = {
        {m_mertek, &edited.mertek},
        {m_csokkmertek, &edited.csokkmertek},
        {m_novmertek, &edited.novmertek},
    };
    for (const auto &[edit, value] : numbers) {
        if (!SzamErtelmez(edit->text(), *value)) {
            HibaBox(kRefused + nemSzam(edit->text()));
            edit->setFocus();
            return;
        }
    }
    try {
        TipusMentes(m_db, *m_side.oldal, edited);
    } catch (const Error &error) {
        HibaBox(kRefused + error.text());
        return;
    }
    m_tipus = edited;
    QDialog::accept();
}

Tfrm_TorzsAdoTip_Szerkeszt::Tfrm_TorzsAdoTip_Szerkeszt(Database &db, const Tipus &tipus,
                                                       QWidget *parent)
    : TypeEditorDialog(db,
                       {&KotelezettsegOldal::ado(), QStringLiteral("frm_TorzsAdoTip_Szerkeszt"),
                        QStringLiteral("Adótípus szerkesztés"), QStringLiteral("adótípus")},
                       tipus, parent)
{
}

Tfrm_TorzsJarulekTip_Szerkeszt::Tfrm_TorzsJarulekTip_Szerkeszt(Database &db, const Tipus &tipus,
                                                               QWidget *parent)
    : TypeEditorDialog(db,
                       {&KotelezettsegOldal::jarulek(),
                        QStringLiteral("frm_TorzsJarulekTip_Szerkeszt"),
                        QStringLiteral("Járuléktípus szerkesztés"), QStringLiteral("járuléktípus")},
                       tipus, parent)
{
}

} // namespace kalmira
