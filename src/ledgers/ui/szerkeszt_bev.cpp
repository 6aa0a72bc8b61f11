#include "ledgers/ui/szerkeszt_bev.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/ui/entry_widgets.h"
#include "shell/ui/dialog_conventions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalmira {

std::optional<int> Tfrm_Szerkeszt_Bev::Edit(Database &db, bool uj, int number, QWidget *parent)
{
    std::optional<BevetelSor> sor = uj ? UjBevetel(db) : LoadBevetel(db, number);
    if (!sor)
        throw Error(QStringLiteral("A(z) %1. sort időközben törölték.").arg(number));
    Tfrm_Szerkeszt_Bev dialog(db, *sor, uj, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.m_sor.bevetel;
}

Tfrm_Szerkeszt_Bev::Tfrm_Szerkeszt_Bev(Database &db, const BevetelSor &sor, bool uj,
                                       QWidget *parent)
    : QDialog(parent), m_db(db), m_sor(sor), m_datum(datePicker(this, QStringLiteral("dtDatum"))),
      m_bizonylat(upperCaseEdit(this, QStringLiteral("eBizonylat"), 25)),
      m_leiras(pickListCombo(this, QStringLiteral("cbLeiras"), 50)),
      m_megjegyzes(textEdit(this, QStringLiteral("eMegjegyzes"), 50)),
      m_osszeg(amountEdit(this, QStringLiteral("eOsszeg"))),
      m_novelo(amountEdit(this, QStringLiteral("eNovelo"))),
      m_csokkento(amountEdit(this, QStringLiteral("eCsokkento"))),
      m_fizetve(new QCheckBox(QStringLiteral("Fizetve"), this)), m_sorszam(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_megsem(new QPushButton(QStringLiteral("Mégsem"), this))
{
    setObjectName(QStringLiteral("frm_Szerkeszt_Bev"));
    setWindowTitle(QStringLiteral("Bevételek szerkesztése"));
    if (!uj)
        m_stored = sor.datum;

    m_fizetve->setObjectName(QStringLiteral("cbFizetve"));
    m_sorszam->setObjectName(QStringLiteral("eSorszam"));
    m_sorszam->setReadOnly(true);
    m_sorszam->setFocusPolicy(Qt::NoFocus);
    m_sorszam->setMaximumWidth(90);
    QPalette readOnly = m_sorszam->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    m_sorszam->setPalette(readOnly);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_megsem->setObjectName(QStringLiteral("btnMegsem"));
    // Enter walks the fields: neither button takes it as a default.
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
    fields->addWidget(label("növelő"), 5, 0);
    fields->addWidget(m_novelo, 5, 1);
    fields->addWidget(label("csökkentő"), 6, 0);
    fields->addWidget(m_csokkento, 6, 1);
    fields->addWidget(m_fizetve, 7, 1);
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
    QWidget::setTabOrder(m_osszeg, m_novelo);
    QWidget::setTabOrder(m_novelo, m_csokkento);
    QWidget::setTabOrder(m_csokkento, m_fizetve);
    QWidget::setTabOrder(m_fizetve, m_ok);
    QWidget::setTabOrder(m_ok, m_megsem);

    m_leiras->addItems(LeirasLista(db, QStringLiteral("bevetel")));
    m_sorszam->setText(QString::number(sor.bevetel));
    m_datum->setDate(sor.datum.isValid() ? sor.datum : Clock::today());
    m_bizonylat->setText(sor.bizonylat);
    m_leiras->setEditText(sor.leiras);
    m_megjegyzes->setText(sor.megjegyzes);
    setAmount(m_osszeg, sor.osszeg);
    setAmount(m_novelo, sor.novelo);
    setAmount(m_csokkento, sor.csokkento);
    m_fizetve->setChecked(sor.fizetve == QLatin1String("I"));
    m_datum->setFocus();

    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
    connect(m_ok, &QPushButton::clicked, this, &Tfrm_Szerkeszt_Bev::btnOKClick);
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_Szerkeszt_Bev::btnOKClick()
{
    BevetelSor sor = m_sor;
    if (!readAmount(m_osszeg, sor.osszeg) || !readAmount(m_novelo, sor.novelo) ||
        !readAmount(m_csokkento, sor.csokkento))
        return;
    sor.bizonylat = m_bizonylat->text();
    sor.leiras = m_leiras->currentText();
    sor.megjegyzes = m_megjegyzes->text();
    sor.fizetve = m_fizetve->isChecked() ? QStringLiteral("I") : QStringLiteral("N");
    try {
        if (PostBevetel(m_db, sor, m_stored, m_datum->date(), Beall.evaszorzo) ==
            PostResult::QuarterClosed) {
            HibaBox(QStringLiteral("Ez az időszak már le lett zárva."));
            return;
        }
    } catch (const Error &error) {
        // Nothing was stored; what the user typed stays in the dialog.
        ErrorBox(error.text());
        return;
    }
    m_sor = sor;
    accept();
}

} // namespace kalmira
