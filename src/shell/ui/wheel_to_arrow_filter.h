#pragma once

#include <QObject>

namespace kalmira {

// Turns each notch of the mouse wheel into an arrow key for the focused
// control, so the wheel moves a grid's current row by one: up when turned
// away from the user, down when turned towards.
class WheelToArrowFilter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace kalmira
