#include "ledgers/ui/obligation_edit_dialog.h"

#include "foundation/clock.h"
#include "foundation/database.h"
#include "foundation/prompt.h"
#include "ledgers/display_format.h"
#include "ledgers/ui/amount_edit.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/icons.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kalmira {
namespace {

constexpr const char *kAmount = "### ### ##0";
constexpr const char *kRate = "### ### ##0.00";

// A field shown for information only: it takes neither the focus nor input.
template <typename Widget> Widget *readOnly(Widget *widget)
{
    widget->setFocusPolicy(Qt::NoFocus);
    if constexpr (std::is_base_of_v<QLineEdit, Widget>)
        widget->setReadOnly(true);
    else
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return widget;
}

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

ObligationEditDialog::ObligationEditDialog(Database &db, const Side &side, const Kotelezettseg &row,
                                           bool uj, QWidget *parent)
    : QDialog(parent), m_db(db), m_side(side), m_row(row), m_uj(uj)
{
    setObjectName(side.objectName);
    setWindowTitle(side.caption);
    build();
    load();
    DialogConventions::apply(this, DialogConventions::EnterMovesFocus);
}

void ObligationEditDialog::build()
{
    m_esedekes = named(new QDateEdit(this), "dtEsedekes");
    m_esedekes->setCalendarPopup(false);
    m_esedekes->setDisplayFormat(QString::fromLatin1(DisplayDateFormat));
    m_adoalap = named(new AmountEdit(QString::fromLatin1(kAmount), this), "edAdoalap");
    m_mertek = named(new AmountEdit(QString::fromLatin1(kRate), this), "edMertek");
    m_szamol = named(new QToolButton(this), "btnSzamol");
    m_szamol->setIcon(kalmiraIcon(IconRole::Calculate));
    m_szamol->setToolTip(QStringLiteral("Számol"));
    m_csokkento = named(new AmountEdit(QString::fromLatin1(kAmount), this), "edCsokkento");
    m_novelo = named(new AmountEdit(QString::fromLatin1(kAmount), this), "edNovelo");
    m_fizetendo = named(new AmountEdit(QString::fromLatin1(kAmount), this), "edFizetendo");
    m_sorszam = readOnly(named(new QLineEdit(this), "edSorszam"));
    m_megfizetve =
        readOnly(named(new QCheckBox(QStringLiteral("megfizetve"), this), "cbMegfizetve"));
    m_datKifizet = readOnly(named(new QLineEdit(this), "edDatKifizet"));
    m_bevallva = readOnly(named(new QCheckBox(QStringLiteral("bevallva"), this), "cbBevallva"));
    m_datBevall = readOnly(named(new QLineEdit(this), "edDatBevall"));
    m_ok = named(new QPushButton(QStringLiteral("OK"), this), "btnOk");
    m_megsem = named(new QPushButton(QStringLiteral("Mégsem"), this), "btnMegsem");
    // Enter moves between the fields here; only a click or Space presses OK.
    m_ok->setAutoDefault(false);
    m_megsem->setAutoDefault(false);

    if (m_side.largeAmounts) {
        QFont large(QStringLiteral("Arial"));
        large.setPixelSize(15);
        large.setBold(true);
        m_adoalap->setFont(large);
        m_fizetendo->setFont(large);
    }
    if (!m_side.baseHighlighted)
        m_adoalap->setStyleSheet(
            QStringLiteral("QLineEdit:focus { background-color: palette(base); }"));

    auto *grid = new QGridLayout;
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(QStringLiteral("sorszám"), m_sorszam), 0, 0);
    grid->addWidget(m_sorszam, 0, 1);
    grid->addWidget(label(QStringLiteral("esedékes"), m_esedekes), 0, 3);
    grid->addWidget(m_esedekes, 0, 4);
    grid->addWidget(label(m_side.baseLabel, m_adoalap), 1, 0);
    grid->addWidget(m_adoalap, 1, 1);
    grid->addWidget(label(QStringLiteral("mérték"), m_mertek), 2, 0);
    grid->addWidget(m_mertek, 2, 1);
    grid->addWidget(m_szamol, 2, 2);
    grid->addWidget(label(QStringLiteral("csökkentő"), m_csokkento), 3, 0);
    grid->addWidget(m_csokkento, 3, 1);
    grid->addWidget(label(QStringLiteral("növelő"), m_novelo), 4, 0);
    grid->addWidget(m_novelo, 4, 1);
    grid->addWidget(label(QStringLiteral("fizetendő"), m_fizetendo), 5, 0);
    grid->addWidget(m_fizetendo, 5, 1);
    grid->addWidget(m_megfizetve, 1, 4);
    grid->addWidget(m_datKifizet, 2, 4);
    grid->addWidget(m_bevallva, 3, 4);
    grid->addWidget(m_datBevall, 4, 4);
    grid->setColumnMinimumWidth(3, 12);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_megsem);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_esedekes, m_adoalap);
    setTabOrder(m_adoalap, m_mertek);
    setTabOrder(m_mertek, m_szamol);
    setTabOrder(m_szamol, m_csokkento);
    setTabOrder(m_csokkento, m_novelo);
    setTabOrder(m_novelo, m_fizetendo);
    setTabOrder(m_fizetendo, m_ok);
    setTabOrder(m_ok, m_megsem);

    connect(m_szamol, &QToolButton::clicked, this, &ObligationEditDialog::szamol);
    connect(m_ok, &QPushButton::clicked, this, &ObligationEditDialog::accept);
    connect(m_megsem, &QPushButton::clicked, this, &ObligationEditDialog::reject);
}

void ObligationEditDialog::load()
{
    m_esedekes->setDate(m_row.dat_esedekes.isValid() ? m_row.dat_esedekes : Clock::today());
    m_adoalap->setValue(m_row.adoalap);
    m_mertek->setValue(m_row.mertek);
    m_csokkento->setValue(m_row.csokkento);
    m_novelo->setValue(m_row.novelo);
    m_fizetendo->setValue(m_row.fizetendo);
    m_sorszam->setText(QString::number(m_row.sorszam));
    m_megfizetve->setChecked(m_row.fizetve());
    m_datKifizet->setText(m_row.dat_kifizet.toString(QString::fromLatin1(DisplayDateFormat)));
    m_bevallva->setChecked(m_row.bevallott());
    m_datBevall->setText(m_row.dat_bevall.toString(QString::fromLatin1(DisplayDateFormat)));
    m_esedekes->setFocus();
}

bool ObligationEditDialog::readAmounts()
{
    const std::pair<AmountEdit *, Ertek *> fields[] = {
        {m_adoalap, &m_row.adoalap},     {m_mertek, &m_row.mertek},
        {m_csokkento, &m_row.csokkento}, {m_novelo, &m_row.novelo},
        {m_fizetendo, &m_row.fizetendo},
    };
    for (const auto &[edit, value] : fields) {
        if (!edit->read(*value)) {
            HibaBox(nemSzam(edit->text()));
            edit->setFocus();
            return false;
        }
    }
    return true;
}

void ObligationEditDialog::szamol()
{
    try {
        if (!readAmounts())
            return;
        const Szamitas result = FizetendoSzamitas(m_row.adoalap, m_row.mertek,
                                                  TipusErtekei(m_db, *m_side.oldal, m_row.tipus));
        m_csokkento->setValue(result.csokkento);
        m_novelo->setValue(result.novelo);
        m_fizetendo->setValue(result.fizetendo);
        m_csokkento->setFocus();
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

// A refused row keeps the dialog open, so that nothing typed is lost.
void ObligationEditDialog::accept()
{
    if (!readAmounts())
        return;
    m_row.dat_esedekes = m_esedekes->date();
    try {
        KotelezettsegMentes(m_db, *m_side.oldal, m_row, m_uj);
    } catch (const Error &error) {
        ErrorBox(error.text());
        return;
    }
    QDialog::accept();
}

Tfrm_Szerkeszt_Ado::Tfrm_Szerkeszt_Ado(Database &db, const Kotelezettseg &row, bool uj,
                                       QWidget *parent)
    : ObligationEditDialog(db,
                           {&KotelezettsegOldal::ado(), QStringLiteral("frm_Szerkeszt_Ado"),
                            QStringLiteral("Adók szerkesztése"), QStringLiteral("adóalap"), true,
                            false},
                           row, uj, parent)
{
}

Tfrm_Szerkeszt_Jarulek::Tfrm_Szerkeszt_Jarulek(Database &db, const Kotelezettseg &row, bool uj,
                                               QWidget *parent)
    : ObligationEditDialog(db,
                           {&KotelezettsegOldal::jarulek(), QStringLiteral("frm_Szerkeszt_Jarulek"),
                            QStringLiteral("Járulék szerkesztése"), QStringLiteral("járulékalap"),
                            false, true},
                           row, uj, parent)
{
}

namespace {

template <typename Dialog>
std::optional<int> edit(QWidget *parent, Database &db, const KotelezettsegOldal &oldal, bool uj,
                        int tipus, int sorszam)
{
    std::optional<Kotelezettseg> row;
    if (uj)
        row = UjKotelezettseg(db, oldal, tipus, Clock::today());
    else
        row = KotelezettsegOlvas(db, oldal, tipus, sorszam);
    if (!row)
        return std::nullopt;
    Dialog dialog(db, *row, uj, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.row().sorszam;
}

} // namespace

std::optional<int> EditAdo(QWidget *parent, Database &db, bool uj, int tipus, int sorszam)
{
    return edit<Tfrm_Szerkeszt_Ado>(parent, db, KotelezettsegOldal::ado(), uj, tipus, sorszam);
}

std::optional<int> EditJarulek(QWidget *parent, Database &db, bool uj, int tipus, int sorszam)
{
    return edit<Tfrm_Szerkeszt_Jarulek>(parent, db, KotelezettsegOldal::jarulek(), uj, tipus,
                                        sorszam);
}

} // namespace kalmira
