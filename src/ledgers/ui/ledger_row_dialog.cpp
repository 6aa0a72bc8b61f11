#include "ledgers/ui/ledger_row_dialog.h"

#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
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

LedgerRowDialog::LedgerRowDialog(Database &db, const QString &table, const QString &objectName,
                                 const QString &title, QWidget *parent)
    : QDialog(parent), m_db(db), m_datum(datePicker(this, QStringLiteral("dtDatum"))),
      m_bizonylat(upperCaseEdit(this, QStringLiteral("eBizonylat"), 25)),
      m_leiras(pickListCombo(this, QStringLiteral("cbLeiras"), 50)),
      m_megjegyzes(textEdit(this, QStringLiteral("eMegjegyzes"), 50)),
      m_osszeg(amountEdit(this, QStringLiteral("eOsszeg"))), m_sorszam(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_megsem(new QPushButton(QStringLiteral("Mégsem"), this))
{
    setObjectName(objectName);
    setWindowTitle(title);

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

    m_leiras->addItems(LeirasLista(db, table));
    connect(m_ok, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(m_megsem, &QPushButton::clicked, this, &QDialog::reject);
}

void LedgerRowDialog::arrange(const QList<ExtraField> &extra)
{
    auto *fields = new QGridLayout;
    const auto label = [this](const QString &text) { return new QLabel(text, this); };
    fields->addWidget(label(QStringLiteral("sorszám")), 0, 0);
    fields->addWidget(m_sorszam, 0, 1);
    fields->addWidget(label(QStringLiteral("dátum")), 0, 2);
    fields->addWidget(m_datum, 0, 3);
    fields->addWidget(label(QStringLiteral("bizonylat")), 1, 0);
    fields->addWidget(m_bizonylat, 1, 1, 1, 3);
    fields->addWidget(label(QStringLiteral("leírás")), 2, 0);
    fields->addWidget(m_leiras, 2, 1, 1, 3);
    fields->addWidget(label(QStringLiteral("megjegyzés")), 3, 0);
    fields->addWidget(m_megjegyzes, 3, 1, 1, 3);
    fields->addWidget(label(QStringLiteral("összeg")), 4, 0);
    fields->addWidget(m_osszeg, 4, 1);
    QList<QWidget *> tabOrder{m_datum, m_bizonylat, m_leiras, m_megjegyzes, m_osszeg};
    int row = 5;
    for (const auto &[caption, field] : extra) {
        if (!caption.isEmpty())
            fields->addWidget(label(caption), row, 0);
        fields->addWidget(field, row++, 1);
        tabOrder << field;
    }
    fields->setColumnStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_megsem);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    tabOrder << m_ok << m_megsem;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_datum->setFocus();
    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

void LedgerRowDialog::showRow(const LedgerSor &sor, const QString &sorszam)
{
    m_sorszam->setText(sorszam);
    m_datum->setDate(sor.datum.isValid() ? sor.datum : Clock::today());
    m_bizonylat->setText(sor.bizonylat);
    m_leiras->setEditText(sor.leiras);
    m_megjegyzes->setText(sor.megjegyzes);
    setAmount(m_osszeg, sor.osszeg);
}

bool LedgerRowDialog::readRow(LedgerSor &sor) const
{
    if (!readAmount(m_osszeg, sor.osszeg))
        return false;
    sor.bizonylat = m_bizonylat->text();
    sor.leiras = m_leiras->currentText();
    sor.megjegyzes = m_megjegyzes->text();
    return true;
}

void LedgerRowDialog::finish(const std::function<bool()> &post)
{
    try {
        if (!post())
            return;
    } catch (const Error &error) {
        // Nothing was stored; what the user typed stays in the dialog.
        ErrorBox(error.text());
        return;
    }
    accept();
}

} // namespace kalmira
