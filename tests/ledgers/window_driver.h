#pragma once

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kalmira::test {

// Runs fill on the modal dialog of class Dialog as soon as the command under
// test has opened it; *seen tells whether it did.
template <class Dialog> void whenDialogOpens(std::function<void(Dialog *)> fill, bool *seen)
{
    *seen = false;
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, fill = std::move(fill), seen] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        *seen = true;
        fill(dialog);
    });
    poll->start(5);
}

template <class T> T *field(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

// Presses keys on a ledger's grid with the frame window active: a closed
// modal dialog leaves no window active on the offscreen screen.
inline void pressOnGrid(QWidget *frame, QWidget *grid, QKeySequence keys)
{
    QApplication::setActiveWindow(frame);
    QVERIFY(QTest::qWaitForWindowActive(frame));
    grid->setFocus();
    QTest::keySequence(grid, keys);
}

// The captions a toolbar shows, "|" for a separator.
inline QStringList layoutOf(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("|") : action->iconText());
    return texts;
}

// The texts of a toolbar or menu, "|" for a separator.
inline QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

} // namespace kalmira::test
