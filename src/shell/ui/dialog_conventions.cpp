#include "shell/ui/dialog_conventions.h"

#include "foundation/beall.h"
#include "foundation/window_positions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace kalmira {

DialogConventions::DialogConventions(QWidget *window, Options options)
    : QObject(window), m_window(window), m_options(options)
{
}

DialogConventions *DialogConventions::apply(QWidget *window, Options options)
{
    auto *conventions = new DialogConventions(window, options);
    window->installEventFilter(conventions);
    window->setStyleSheet(window->styleSheet() + focusStyleSheet());
    if (options & EnterMovesFocus)
        qApp->installEventFilter(conventions);
    return conventions;
}

QString DialogConventions::focusStyleSheet()
{
    return QStringLiteral(
        "QLineEdit:focus, QComboBox:focus, QAbstractSpinBox:focus, QDateEdit:focus,"
        " QPlainTextEdit:focus, QTextEdit:focus { background-color: rgb(166, 202, 240); }");
}

void DialogConventions::restore()
{
    QFont font = m_window->font();
    font.setPointSize(Beall.BetuMeret);
    m_window->setFont(font);
    int left = 10, top = 10;
    if (m_options & Resizable) {
        int height = m_window->height(), width = m_window->width();
        LoadMeret(m_window->objectName(), left, top, height, width);
        m_window->resize(width, height);
    } else {
        LoadPozicio(m_window->objectName(), left, top);
    }
    m_window->move(left, top);
}

void DialogConventions::store()
{
    const QPoint at = m_window->pos();
    if (m_options & Resizable)
        SaveMeret(m_window->objectName(), at.x(), at.y(), m_window->height(), m_window->width());
    else
        SavePozicio(m_window->objectName(), at.x(), at.y());
}

bool DialogConventions::moveFocusOnEnter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window || widget != QApplication::focusWidget())
        return false;
    // Buttons take Enter as a click; multi-line texts as a new line.
    if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
        || qobject_cast<QTextEdit *>(widget))
        return false;
    // A compound field (a date picker) holds its own inner edit: the next
    // field lies past it.
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && (!next->isEnabled() || !next->isVisible() || !(next->focusPolicy() & Qt::TabFocus) || widget->isAncestorOf(next)))
        next = next->nextInFocusChain();
    next->setFocus(Qt::TabFocusReason);
    return true;
}

bool DialogConventions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show && !m_restored) {
            m_restored = true;
            restore();
        } else if (event->type() == QEvent::Hide && m_restored) {
            store();
        }
    }
    if ((m_options & EnterMovesFocus) && moveFocusOnEnter(watched, event))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace kalmira
