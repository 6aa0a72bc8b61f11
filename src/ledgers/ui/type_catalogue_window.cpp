#include "ledgers/ui/type_catalogue_window.h"

#include "foundation/database.h"
#include "foundation/prompt.h"
#include "foundation/schema.h"
#include "ledgers/paged_table_model.h"
#include "ledgers/ui/ledger_grid.h"
#include "ledgers/ui/type_editor_dialog.h"
#include "shell/ui/dialog_conventions.h"
#include "shell/ui/icons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace kalmira {
namespace {

enum Column
{
    ColNev,
    ColMertek
};

// The keys that, typed in the grid, start a new search; 0 is not among them.
bool startsSearch(const QString &typed)
{
    static const QString keys = QStringLiteral("123456789abcdefghijklmnopqrstuvwxyzáéíóőöúűü");
    return typed.size() == 1 && keys.contains(typed);
}

} // namespace

TypeCatalogueWindow::TypeCatalogueWindow(Database &db, const Side &side, QWidget *parent)
    : QDialog(parent), m_db(db), m_side(side)
{
    setObjectName(side.objectName);
    setWindowTitle(side.caption);
    resize(side.designSize);
    setSizeGripEnabled(true);

    m_model = new PagedTableModel(db, schema::table(side.oldal->typeTable),
                                  {{side.oldal->typeNameField, side.nameTitle},
                                   {QStringLiteral("mertek"), QStringLiteral("mérték")}},
                                  this);
    m_model->setSortColumn(ColNev);
    connect(m_model, &PagedTableModel::readFailed, this,
            [](const QString &text) { ErrorBox(text); });

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Kereso"));
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, this, &TypeCatalogueWindow::search);
    auto *title = new QLabel(side.panelTitle, this);
    title->setObjectName(QStringLiteral("PanelCim"));
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(m_search);
    panelLayout->addStretch();
    panelLayout->addWidget(title);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new LedgerCellDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->installEventFilter(this);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { guarded([&] { orderBy(column); }); });
    connect(m_grid, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildCommands();
    layout->addWidget(findChild<QToolBar *>(QStringLiteral("ToolBar1")));
    layout->addWidget(panel);
    layout->addWidget(m_grid);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    layout->addWidget(status);

    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, ColNev));
    m_grid->setFocus();
    DialogConventions::apply(this, DialogConventions::Resizable);
}

void TypeCatalogueWindow::buildCommands()
{
    struct Command
    {
        const char *name;
        QString caption;
        QString hint;
        QList<QKeySequence> keys;
        IconRole icon;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"aUj",
         QStringLiteral("Új sor"),
         QStringLiteral("Új sor"),
         {QKeySequence(Qt::Key_Insert)},
         IconRole::New,
         [this] { aUjExecute(); }},
        {"aSzerkeszt",
         QStringLiteral("Szerkeszt"),
         QStringLiteral("Szerkeszt"),
         {QKeySequence(Qt::Key_F2)},
         IconRole::Edit,
         [this] { aSzerkesztExecute(); }},
        {"aTorol",
         m_side.deleteCaption,
         QStringLiteral("Sor törlése"),
         {QKeySequence(Qt::CTRL | Qt::Key_Delete)},
         IconRole::Delete,
         [this] { aTorolExecute(); }},
        {"aKereso",
         QStringLiteral("Kereső"),
         QStringLiteral("Ugrás a keresőbe"),
         {QKeySequence(Qt::CTRL | Qt::Key_F)},
         IconRole::Search,
         [this] { aKeresoExecute(); }},
        {"aElfogad",
         QStringLiteral("Elfogad"),
         QStringLiteral("Elfogad"),
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
         IconRole::Tick,
         [this] { QDialog::accept(); }},
        {"aBezar",
         QStringLiteral("Bezár"),
         QStringLiteral("Bezár"),
         {QKeySequence(Qt::Key_Escape)},
         IconRole::Close,
         [this] { reject(); }},
    };
    QHash<QString, QAction *> actions;
    for (const Command &command : commands) {
        auto *action = new QAction(kalmiraIcon(command.icon), command.caption, this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setToolTip(command.hint);
        action->setStatusTip(command.hint);
        action->setShortcuts(command.keys);
        addAction(action);
        connect(action, &QAction::triggered, this, command.run);
        actions.insert(action->objectName(), action);
    }
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->addActions({actions[QStringLiteral("aUj")], actions[QStringLiteral("aSzerkeszt")],
                         actions[QStringLiteral("aTorol")]});
    toolBar->addSeparator();
    toolBar->addActions({actions[QStringLiteral("aElfogad")], actions[QStringLiteral("aBezar")]});

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup->addActions({actions[QStringLiteral("aUj")], actions[QStringLiteral("aSzerkeszt")],
                         actions[QStringLiteral("aTorol")]});
    m_popup->addSeparator();
    m_popup->addAction(actions[QStringLiteral("aKereso")]);
    m_popup->addSeparator();
    m_popup->addActions({actions[QStringLiteral("aElfogad")], actions[QStringLiteral("aBezar")]});
}

void TypeCatalogueWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setColumnWidths();
}

void TypeCatalogueWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    setColumnWidths();
}

void TypeCatalogueWindow::setColumnWidths()
{
    const int share = m_grid->width() - 40;
    m_grid->setColumnWidth(ColNev, std::max(1, share * 75 / 100));
    m_grid->setColumnWidth(ColMertek, std::max(1, share * 25 / 100));
}

bool TypeCatalogueWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_search && event->type() == QEvent::FocusIn) {
        m_search->selectAll();
    } else if (watched == m_search && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down) {
            m_grid->setFocus();
            return true;
        }
    } else if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text().toLower();
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && startsSearch(typed)) {
            m_search->setFocus(Qt::OtherFocusReason);
            m_search->setText(typed);
            m_search->setCursorPosition(int(typed.size()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<int> TypeCatalogueWindow::currentKey() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    const QVariant key = m_model->value(current.row(), m_side.oldal->typeTable);
    if (!key.isValid())
        return std::nullopt;
    return key.isNull() ? 0 : key.toInt();
}

QString TypeCatalogueWindow::currentName() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_model->value(current.row(), m_side.oldal->typeNameField).toString()
                             : QString();
}

bool TypeCatalogueWindow::selectKey(int key)
{
    const int row = m_model->rowOfKey(key);
    if (row < 0)
        return false;
    m_grid->setCurrentIndex(m_model->index(row, std::max(0, m_grid->currentIndex().column())));
    return true;
}

void TypeCatalogueWindow::orderBy(int column)
{
    const std::optional<int> current = currentKey();
    m_model->setSortColumn(column);
    if (current)
        selectKey(*current);
    m_grid->viewport()->update();
    m_search->setFocus(Qt::OtherFocusReason);
}

// A search that finds nothing, or cannot read its text, leaves the list alone.
void TypeCatalogueWindow::search(const QString &text)
{
    guarded([&] {
        if (const std::optional<int> found =
                TipusKeres(m_db, *m_side.oldal, m_model->sortField(), text))
            selectKey(*found);
    });
}

void TypeCatalogueWindow::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

void TypeCatalogueWindow::editType(bool uj)
{
    guarded([&] {
        Tipus tipus;
        if (!uj) {
            if (const std::optional<Tipus> stored = TipusOlvas(m_db, *m_side.oldal, *currentKey()))
                tipus = *stored;
        }
        const std::unique_ptr<TypeEditorDialog> editor = m_side.editor(m_db, tipus, this);
        if (editor->exec() != QDialog::Accepted)
            return;
        const int key = editor->tipus().kulcs;
        m_model->refresh();
        selectKey(key);
    });
}

void TypeCatalogueWindow::aUjExecute()
{
    editType(true);
}

// With nothing to change, the command starts a new type.
void TypeCatalogueWindow::aSzerkesztExecute()
{
    editType(!currentKey().has_value());
}

void TypeCatalogueWindow::aTorolExecute()
{
    guarded([&] {
        const std::optional<int> key = currentKey();
        if (!key ||
            !KerdesBox(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés")))
            return;
        const int at = m_grid->currentIndex().row();
        TipusTorles(m_db, *m_side.oldal, *key);
        m_model->refresh();
        const int shown = std::min(at, m_model->rowCount() - 1);
        if (shown >= 0)
            m_grid->setCurrentIndex(m_model->index(shown, ColNev));
    });
}

void TypeCatalogueWindow::aKeresoExecute()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
}

Tfrm_TorzsAdoTip::Tfrm_TorzsAdoTip(Database &db, QWidget *parent)
    : TypeCatalogueWindow(
          db,
          {&KotelezettsegOldal::ado(), QStringLiteral("frm_TorzsAdoTip"),
           QStringLiteral("Adó típusok"), QStringLiteral("Adó típusok  "),
           QStringLiteral("adótípus"), QStringLiteral("Törlöl"), QSize(472, 403),
           [](Database &d, const Tipus &t, QWidget *p) -> std::unique_ptr<TypeEditorDialog> {
               return std::make_unique<Tfrm_TorzsAdoTip_Szerkeszt>(d, t, p);
           }},
          parent)
{
}

Tfrm_TorzsJarulekTip::Tfrm_TorzsJarulekTip(Database &db, QWidget *parent)
    : TypeCatalogueWindow(
          db,
          {&KotelezettsegOldal::jarulek(), QStringLiteral("frm_TorzsJarulekTip"),
           QStringLiteral("Járulék típusok"), QStringLiteral("Járulék típusok  "),
           QStringLiteral("járuléktípus"), QStringLiteral("Sor törlése"), QSize(379, 376),
           [](Database &d, const Tipus &t, QWidget *p) -> std::unique_ptr<TypeEditorDialog> {
               return std::make_unique<Tfrm_TorzsJarulekTip_Szerkeszt>(d, t, p);
           }},
          parent)
{
}

namespace {

template <typename Window> int choose(QWidget *parent, Database &db, int start, QString &nev)
{
    Window window(db, parent);
    window.selectKey(start);
    if (window.exec() != QDialog::Accepted)
        return -1;
    nev = window.currentName();
    return window.currentKey().value_or(0);
}

} // namespace

int ChooseAdoTip(QWidget *parent, Database &db, int start, QString &nev)
{
    return choose<Tfrm_TorzsAdoTip>(parent, db, start, nev);
}

int ChooseJarulekTip(QWidget *parent, Database &db, int start, QString &nev)
{
    return choose<Tfrm_TorzsJarulekTip>(parent, db, start, nev);
}

} // namespace kalmira
