#include "ledgers/ui/szerkeszt_kiad.h"

#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/display_format.h"
#include "ledgers/ui/entry_widgets.h"
#include "shell/ui/dialog_conventions.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmira {

std::optional<int> Tfrm_Szerkeszt_Kiad::Edit(Database &db, bool uj, int number, QWidget *parent)
{
    std::optional<KiadasSor> sor = uj ? UjKiadas(db) : LoadKiadas(db, number);
    if (!sor)
        throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(number));
    Tfrm_Szerkeszt_Kiad dialog(db, *sor, uj, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_sor.kiadas;
}

Tfrm_Szerkeszt_Kiad::Tfrm_Szerkeszt_Kiad(Database &db, const KiadasSor &sor, bool uj,
                                         QWidget *parent)
    : QDialog(parent), m_db(db), m_sor(sor), m_uj(uj),
      m_datum(datePicker(this, QStringLiteral("dtDatum"))),
      m_bizonylat(upperCaseEdit(this, QStringLiteral("eBizonylat"), 25)),
      m_leiras(pickListCombo(this, QStringLiteral("cbLeiras"), 50)),
      m_megjegyzes(textEdit(this, QStringLiteral("eMegjegyzes"), 50)),
      m_osszeg(amountEdit(this, QStringLiteral("eOsszeg"))), m_sorszam(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_megsem(new QPushButton(QStringLiteral("Mégsem"), this))
{
    setObjectName(QStringLiteral("frm_Szerkeszt_Kiad"));
    setWindowTitle(QStringLiteral("Kiadások szerkesztése"));

    m_sorszam->setObjectName(QStringLiteral("eSorszam"));
    m_sorszam->setReadOnly(true);
    m_sorszam->setFocusPolicy(Qt::NoFocus);
    m_sorszam->setMaximumWidth(90);
    QPalette readOnly = m_sorszam->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    m_sorszam->setPalette(readOnly);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));
    m_ok->setAutoDefault(false);
    m_megsem->setAutoDefault(false);
    QFont bold = m_osszeg->font();
    bold.setBold(true);
    m_osszeg->setFont(bold);

    auto *fields = new QGridLayout;
    const auto label = [this](const char *text) {
        return new QLabel(QString::fromUtf8(text), this);
    };
    fields->addWidget(label("sorszám"), 0, 0);
    fields->addWidget(m_sorszam, 0, 1);
    fields->addWidget(label("dátum"), 0, 2);
    fields->addWidget(m_datum, 0, 3);
    fields->addWidget(label("bizonylat"), 1, 0);
    fields->addWidget(m_bizonylat, 1, 1, 1, 3);
    fields->addWidget(label("leírás"), 2, 0);
    fields->addWidget(m_leiras, 2, 1, 1, 3);
    fields->addWidget(label("megjegyzés"), 3, 0);
    fields->addWidget(m_megjegyzes, 3, 1, 1, 3);
    fields->addWidget(label("összeg"), 4, 0);
    fields->addWidget(m_osszeg, 4, 1);
    fields->setColumnStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_megsem);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    QWidget::setTabOrder(m_datum, m_bizonylat);
    QWidget::setTabOrder(m_bizonylat, m_leiras);
    QWidget::setTabOrder(m_leiras, m_megjegyzes);
    QWidget::setTabOrder(m_megjegyzes, m_osszeg);
    QWidget::setTabOrder(m_osszeg, m_ok);
    QWidget::setTabOrder(m_ok, m_megsem);

    m_leiras->addItems(LeirasLista(db, QStringLiteral("kiadas")));
    m_sorszam->setText(FormatFloat(QStringLiteral("00000"), sor.kiadas));
    m_datum->setDate(sor.datum.isValid() ? sor.datum : Clock::today());
    m_bizonylat->setText(sor.bizonylat);
    m_leiras->setEditText(sor.leiras);
    m_megjegyzes->setText(sor.megjegyzes);
    setAmount(m_osszeg, sor.osszeg);
    m_datum->setFocus();

    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
    connect(m_ok, &QPushButton::clicked, this, &Tfrm_Szerkeszt_Kiad::btnOKClick);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_Szerkeszt_Kiad::btnOKClick()
{
    KiadasSor sor = m_sor;
    if (!readAmount(m_osszeg, sor.osszeg))
        return;
    sor.bizonylat = m_bizonylat->text();
    sor.leiras = m_leiras->currentText();
    sor.megjegyzes = m_megjegyzes->text();
    try {
        PostKiadas(m_db, sor, m_uj, m_datum->date());
    } catch (const Error &error) {
        // Nothing was stored; what the user typed stays in the dialog.
        ErrorBox(error.text());
        return;
    }
    m_sor = sor;
    accept();
}

} // namespace kalmira
