#include "shell/ui/mdi_children.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace kalmira {
namespace {

const char *const kLedgerProperty = "kalmiraLedger";
const char *const kKeyProperty = "kalmiraKey";
const char *const kWindowEntryProperty = "kalmiraWindowEntry";

} // namespace

MdiChildren &MdiChildren::of(QMdiArea *area)
{
    if (auto *children = area->findChild<MdiChildren *>(QString(), Qt::FindDirectChildrenOnly))
        return *children;
    return *new MdiChildren(area);
}

MdiChildren::MdiChildren(QMdiArea *area) : QObject(area), m_area(area), m_viewport(area->viewport())
{
    connect(area, &QMdiArea::subWindowActivated, this, &MdiChildren::changed);
    // Opening and closing show up as children of the viewport; the list is
    // settled only after the event, so the news goes out from the event loop.
    m_viewport->installEventFilter(this);
}

bool MdiChildren::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport &&
        (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved))
        QTimer::singleShot(0, this, &MdiChildren::changed);
    return QObject::eventFilter(watched, event);
}

void MdiChildren::registerWindow(const QString &objectName, Factory factory, Kind kind)
{
    m_registered.insert(objectName, {std::move(factory), kind});
}

bool MdiChildren::isRegistered(const QString &objectName) const
{
    return m_registered.contains(objectName);
}

QWidget *MdiChildren::open(const QString &objectName)
{
    const auto found = m_registered.constFind(objectName);
    if (found == m_registered.cend())
        return nullptr;
    return showSingle(objectName, {}, found->factory, found->kind);
}

QWidget *MdiChildren::showSingle(const QString &objectName, const QVariant &key,
                                 const Factory &make, Kind kind)
{
    if (QWidget *open = find(objectName, key)) {
        bringForward(open);
        return open;
    }
    QWidget *created = make();
    if (!created)
        return nullptr;
    if (created->objectName().isEmpty())
        created->setObjectName(objectName);
    add(created, key, kind);
    return created;
}

QWidget *MdiChildren::find(const QString &objectName, const QVariant &key) const
{
    for (QWidget *window : windows())
        if (window->objectName() == objectName && keyOf(window) == key)
            return window;
    return nullptr;
}

void MdiChildren::bringForward(QWidget *window)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    if (!sub)
        return;
    if (sub->isMinimized())
        sub->showNormal();
    sub->show();
    sub->raise();
    m_area->setActiveSubWindow(sub);
}

void MdiChildren::add(QWidget *window, const QVariant &key, Kind kind)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(kKeyProperty, key);
    window->setProperty(kLedgerProperty, kind == Kind::Ledger);
    QMdiSubWindow *sub = m_area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Two owners of one shortcut make it ambiguous, and then neither acts.
    if (QMenu *menu = sub->systemMenu())
        for (QAction *action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)))
                action->setShortcuts({});
    // The frame's hint is the window's plus its borders and title; a window
    // without a hint keeps the size it was given. QMdiArea bounds only
    // windows that were never resized, so the rule is applied here for all.
    QSize size = window->sizeHint().isValid() ? sub->sizeHint() : sub->size();
    if (m_area->isVisible())
        size = size.boundedTo(m_area->viewport()->size());
    sub->resize(size);
    sub->show();
    m_area->setActiveSubWindow(sub);
}

QList<QWidget *> MdiChildren::windows() const
{
    QList<QWidget *> list;
    for (QMdiSubWindow *sub : m_area->subWindowList())
        if (sub->widget())
            list << sub->widget();
    return list;
}

QList<QWidget *> MdiChildren::ledgerWindows() const
{
    QList<QWidget *> list;
    for (QWidget *window : windows())
        if (isLedger(window))
            list << window;
    return list;
}

bool MdiChildren::isLedger(const QWidget *window)
{
    return window->property(kLedgerProperty).toBool();
}

QVariant MdiChildren::keyOf(const QWidget *window)
{
    return window->property(kKeyProperty);
}

QList<QMdiSubWindow *> MdiChildren::arrangeable() const
{
    QList<QMdiSubWindow *> list;
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        if (sub->isMinimized() || sub->isHidden())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        list << sub;
    }
    return list;
}

void MdiChildren::cascade()
{
    m_area->cascadeSubWindows();
}

void MdiChildren::tileHorizontally()
{
    const QList<QMdiSubWindow *> subs = arrangeable();
    if (subs.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int height = area.height() / int(subs.size());
    for (int i = 0; i < subs.size(); ++i)
        subs[i]->setGeometry(0, i * height, area.width(), height);
}

void MdiChildren::tileVertically()
{
    const QList<QMdiSubWindow *> subs = arrangeable();
    if (subs.isEmpty())
        return;
    const QRect area = m_area->viewport()->rect();
    const int width = area.width() / int(subs.size());
    for (int i = 0; i < subs.size(); ++i)
        subs[i]->setGeometry(i * width, 0, width, area.height());
}

void MdiChildren::fillWindowList(QMenu *menu)
{
    for (QAction *entry : menu->actions())
        if (entry->property(kWindowEntryProperty).toBool()) {
            menu->removeAction(entry);
            entry->deleteLater();
        }
    QMdiSubWindow *active = m_area->currentSubWindow(); // also while a dialog is over the window
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        auto *entry = new QAction(sub->windowTitle(), menu);
        entry->setProperty(kWindowEntryProperty, true);
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
            if (sub)
                bringForward(sub->widget());
        });
        menu->addAction(entry);
    }
}

} // namespace kalmira
