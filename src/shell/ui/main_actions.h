#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace kalmira {

// The main window's commands, each defined once with its caption, hint,
// shortcut and icon; the menus and the toolbar show the same actions. The
// action's object name is the command's name ("aBevetel").
class MainActions : public QObject
{
    Q_OBJECT
public:
    explicit MainActions(QWidget *window);

    QAction *action(const QString &name) const;
    QList<QAction *> all() const { return m_actions; }
    // The group of a command in the command list ("Kalmira", "Rendszer", ...).
    static QString category(const QAction *action);

    // The five menus in order; returns the "Ablakok" menu, whose window
    // entries follow its last separator.
    QMenu *fillMenuBar(QMenuBar *bar) const;
    // Icon with the caption under it, 62 by 36 pixel buttons.
    void fillToolBar(QToolBar *bar) const;

private:
    QList<QAction *> m_actions;
};

} // namespace kalmira
