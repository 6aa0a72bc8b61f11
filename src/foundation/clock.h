#pragma once

#include <QDate>
#include <QDateTime>

namespace kalmira {

// The one source of "today" and "now"; tests fix it to a moment of their choice.
class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static void setFixed(const QDateTime &moment);
    static void setFixed(QDate day) { setFixed(QDateTime(day, QTime(12, 0))); }
    static void reset();
};

} // namespace kalmira
