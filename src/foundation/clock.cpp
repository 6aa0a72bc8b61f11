#include "foundation/clock.h"

namespace kalmira {
namespace {
QDateTime &fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Clock::now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime &moment)
{
    fixedMoment() = moment;
}

void Clock::reset()
{
    fixedMoment() = QDateTime();
}

} // namespace kalmira
