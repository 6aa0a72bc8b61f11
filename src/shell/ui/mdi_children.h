#pragma once

#include <QHash>
#include <QObject>
#include <QVariant>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kalmira {

// The child windows of the main window. Windows that exist at most once
// (or once per key, as a tax ledger per tax type) are found by their object
// name and key and brought forward instead of being opened again. Windows of
// other parts of the program register a factory under their object name;
// the main window's commands open them by that name. Every child window of
// an MDI area goes through the one MdiChildren of that area (of()).
class MdiChildren : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;
    // Ledger windows follow the font commands.
    enum class Kind
    {
        Other,
        Ledger
    };

    explicit MdiChildren(QMdiArea *area);
    // The area's MdiChildren, made on first use.
    static MdiChildren &of(QMdiArea *area);

    void registerWindow(const QString &objectName, Factory factory, Kind kind = Kind::Ledger);
    bool isRegistered(const QString &objectName) const;
    // The registered window: the open one brought forward, else a new one;
    // nullptr when nothing is registered under the name.
    QWidget *open(const QString &objectName);

    // The open window with that object name and key brought forward, else
    // the one `make` creates, added as a child window and shown.
    QWidget *showSingle(const QString &objectName, const QVariant &key, const Factory &make,
                        Kind kind = Kind::Ledger);

    QWidget *find(const QString &objectName, const QVariant &key = {}) const;
    void bringForward(QWidget *window);
    // Adds a window made elsewhere as a child window and shows it, as large
    // as its sizeHint asks within the area. The frame gives up its own
    // Ctrl+F4, which is the child windows' "Bezár".
    void add(QWidget *window, const QVariant &key = {}, Kind kind = Kind::Ledger);

    // The open child windows' own widgets, in the area's order.
    QList<QWidget *> windows() const;
    QList<QWidget *> ledgerWindows() const;
    static bool isLedger(const QWidget *window);
    static QVariant keyOf(const QWidget *window);

    void cascade();
    // One above the other, each the full width.
    void tileHorizontally();
    // Side by side, each the full height.
    void tileVertically();

    // Replaces the window entries at the end of the menu with one per child
    // window, the active one ticked; choosing one activates its window.
    void fillWindowList(QMenu *menu);

signals:
    // A child window was opened, closed or activated.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QMdiSubWindow *> arrangeable() const;

    QMdiArea *m_area;
    QWidget *m_viewport; // kept: it is asked about while the area is taken apart
    struct Registration
    {
        Factory factory;
        Kind kind;
    };
    QHash<QString, Registration> m_registered;
};

} // namespace kalmira
