#pragma once

#include <QObject>

class QWidget;

namespace kalmira {

// What every dialog of the program does: on show it takes its remembered
// place (and size, when resizable) from its section of Kalmira.ini and the
// font size Beall.BetuMeret; on close it stores them. Enter moves to the next
// field where a dialog has several, and the focused field is light blue.
class DialogConventions : public QObject
{
    Q_OBJECT
public:
    enum Option { Fixed = 0, Resizable = 1, EnterMovesFocus = 2 };
    Q_DECLARE_FLAGS(Options, Option)

    static DialogConventions *apply(QWidget *window, Options options);

    // The light blue of a focused field.
    static QString focusStyleSheet();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogConventions(QWidget *window, Options options);
    void restore();
    void store();
    bool moveFocusOnEnter(QObject *watched, QEvent *event);

    QWidget *m_window;
    Options m_options;
    bool m_restored = false;
};

} // namespace kalmira

Q_DECLARE_OPERATORS_FOR_FLAGS(kalmira::DialogConventions::Options)
