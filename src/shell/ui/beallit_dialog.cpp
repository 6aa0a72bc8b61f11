#include "shell/ui/beallit_dialog.h"

#include "foundation/beall.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/number_input.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/masked_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kalmira {
namespace {

QLineEdit *lineEdit(QWidget *parent, const char *name, int maxLength = 255)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QComboBox *typeList(QWidget *parent, const char *name, const QList<TypeChoice> &choices)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const TypeChoice &choice : choices)
        list->addItem(choice.name, choice.key);
    return list;
}

void selectKey(QComboBox *list, const QVariant &key)
{
    list->setCurrentIndex(key.isValid() ? list->findData(key.toInt()) : -1);
}

QVariant selectedKey(const QComboBox *list)
{
    return list->currentIndex() < 0 ? QVariant() : list->currentData();
}

} // namespace

Tfrm_Beallit::Tfrm_Beallit(Database &db, QWidget *parent)
    : QDialog(parent), m_db(db), m_row(loadBeallitRow(db)), PageControl1(new QTabWidget(this))
{
    setObjectName(QStringLiteral("frm_Beallit"));
    setWindowTitle(QStringLiteral("Beállítások"));
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildAltalanos(), QStringLiteral("Általános"));
    PageControl1->addTab(buildAdoAdatok(), QStringLiteral("Adó adatok"));
    PageControl1->addTab(buildCegAdatok(), QStringLiteral("Cég adatok"));
    PageControl1->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(PageControl1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    auto *megsem = new QPushButton(QStringLiteral("Mégsem"), this);
    megsem->setObjectName(QStringLiteral("Megsem"));
    buttons->addWidget(ok);
    buttons->addWidget(megsem);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(megsem, &QPushButton::clicked, this, &QDialog::reject);

    fill();
    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

QWidget *Tfrm_Beallit::buildAltalanos()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tsAltalanos"));
    cbTeljesKep = new QCheckBox(QStringLiteral("Megnyitáskor teljes képernyő"), page);
    cbTeljesKep->setObjectName(QStringLiteral("cbTeljesKep"));
    cbVanbelep = new QCheckBox(QStringLiteral("Belépésnél jelszót kér"), page);
    cbVanbelep->setObjectName(QStringLiteral("cbVanbelep"));
    eUtvonal = lineEdit(page, "eUtvonal");
    eMentesUtvonal = lineEdit(page, "eMentesUtvonal");
    eHtmlUt = lineEdit(page, "eHtmlUt");
    eUtvonal->setMinimumWidth(fontMetrics().averageCharWidth() * 48);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(cbTeljesKep);
    layout->addWidget(cbVanbelep);
    const struct
    {
        const char *label;
        QLineEdit *field;
        const char *button;
    } folders[] = {{"adatbázis elérési útvonala", eUtvonal, "btnUtvonal"},
                   {"adatbázis mentési útvonala", eMentesUtvonal, "btnMentesUtvonal"},
                   {"HTML exportok útvonala", eHtmlUt, "btnHtmlUt"}};
    QList<QPushButton *> browse;
    for (const auto &folder : folders) {
        auto *label = new QLabel(QString::fromUtf8(folder.label), page);
        label->setBuddy(folder.field);
        layout->addWidget(label);
        auto *row = new QHBoxLayout;
        row->addWidget(folder.field);
        browse << browseButton(folder.field, folder.button);
        row->addWidget(browse.last());
        layout->addLayout(row);
    }
    layout->addStretch();

    // Check boxes, the three folders, then the three browse buttons.
    const QList<QWidget *> order{cbTeljesKep, cbVanbelep, eUtvonal,  eMentesUtvonal,
                                 eHtmlUt,     browse[0],  browse[1], browse[2]};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    return page;
}

QPushButton *Tfrm_Beallit::browseButton(QLineEdit *field, const char *name)
{
    auto *button = new QPushButton(QStringLiteral("..."), field->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(button, &QPushButton::clicked, this, [field] {
        const QVariant chosen = prompt().ask(
            {Ask::Folder, QStringLiteral("Mappa kiválasztása"), {}, field->text(), {}});
        if (chosen.isValid() && !chosen.toString().isEmpty())
            field->setText(chosen.toString());
    });
    return button;
}

QWidget *Tfrm_Beallit::buildAdoAdatok()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tsAdoAdatok"));
    const QList<TypeChoice> types = adotipChoices(m_db);
    eEvaszorzo = lineEdit(page, "eEvaszorzo", 20);
    cbEva = typeList(page, "cbEva", types);
    cbTarsasagi = typeList(page, "cbTarsasagi", types);
    auto *layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("EVA szorzó"), eEvaszorzo);
    layout->addRow(QStringLiteral("EVA jogcíme"), cbEva);
    layout->addRow(QStringLiteral("Iparűzési adó jogcíme"), cbTarsasagi);
    return page;
}

QWidget *Tfrm_Beallit::buildCegAdatok()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tsCegAdatok"));
    eCegnev = lineEdit(page, "eCegnev", 100);
    eAdoszam = new MaskedEdit(page);
    eAdoszam->setObjectName(QStringLiteral("eAdoszam"));
    eAdoszam->setEditMask(QStringLiteral("AAAAAAAA-A-AA;0;_"));
    eTevkezd = lineEdit(page, "eTevkezd", 20);
    auto *layout = new QFormLayout(page);
    layout->addRow(QStringLiteral("cégnév"), eCegnev);
    layout->addRow(QStringLiteral("adószám"), eAdoszam);
    layout->addRow(QStringLiteral("tevékenység kezdete"), eTevkezd);
    return page;
}

void Tfrm_Beallit::fill()
{
    cbTeljesKep->setChecked(Beall.TeljesKep);
    eUtvonal->setText(Beall.Utvonal);
    eMentesUtvonal->setText(Beall.MentesUtvonal);
    eHtmlUt->setText(Beall.HtmlUt);
    cbVanbelep->setChecked(m_row.vanbelep);
    eEvaszorzo->setText(m_row.evaszorzo.isValid() ? numberInputText(m_row.evaszorzo.toDouble())
                                                  : QString());
    selectKey(cbEva, m_row.eva);
    selectKey(cbTarsasagi, m_row.tarsasagi);
    eCegnev->setText(m_row.cegnev);
    eAdoszam->setValue(m_row.adoszam);
    eTevkezd->setText(dateFieldText(m_row.dat_tevkezd));
}

bool Tfrm_Beallit::refuse(QWidget *field, const QString &text)
{
    HibaBox(text);
    PageControl1->setCurrentWidget(field->parentWidget());
    field->setFocus();
    return false;
}

bool Tfrm_Beallit::readRow(BeallitRow &row)
{
    row.vanbelep = cbVanbelep->isChecked();
    const QString szorzo = eEvaszorzo->text().trimmed();
    if (szorzo.isEmpty())
        row.evaszorzo = QVariant();
    else if (const std::optional<double> value = numberInputValue(szorzo))
        row.evaszorzo = *value;
    else
        return refuse(eEvaszorzo, QStringLiteral("„%1” nem érvényes szám.").arg(szorzo));
    row.eva = selectedKey(cbEva);
    row.tarsasagi = selectedKey(cbTarsasagi);
    row.cegnev = eCegnev->text();
    if (!eAdoszam->isComplete(true))
        return refuse(eAdoszam, QStringLiteral("Az adószám nincs teljesen kitöltve."));
    row.adoszam = eAdoszam->value();
    if (!readDateField(eTevkezd->text(), row.dat_tevkezd))
        return refuse(eTevkezd,
                      QStringLiteral("„%1” nem érvényes dátum.").arg(eTevkezd->text().trimmed()));
    return true;
}

// The row is written first: when that fails the dialog stays open with
// everything typed, and Beall is untouched.
void Tfrm_Beallit::accept()
{
    BeallitRow row = m_row;
    if (!readRow(row))
        return;
    try {
        saveBeallitRow(m_db, row);
    } catch (const Error &error) {
        ErrorBox(error.text());
        return;
    }
    Beall.TeljesKep = cbTeljesKep->isChecked();
    Beall.MentesUtvonal = eMentesUtvonal->text();
    Beall.Utvonal = eUtvonal->text();
    Beall.HtmlUt = eHtmlUt->text();
    QDialog::accept();
}

void EditBeallit(QWidget *parent, Database &db)
{
    Tfrm_Beallit dialog(db, parent);
    dialog.exec();
}

} // namespace kalmira
