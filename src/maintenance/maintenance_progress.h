#pragma once

#include <QString>

namespace kalmira {

// What a maintenance command tells its window while it works: a progress bar
// that starts at 1 and advances by one, and a status line.
class MaintenanceProgress
{
public:
    virtual ~MaintenanceProgress() = default;
    virtual void setMaximum(int maximum) = 0;
    virtual void stepIt() = 0;
    virtual void setStatus(const QString &text) = 0;
    // Empty status line, bar back at its start.
    virtual void reset() = 0;
    // Called every few tens of milliseconds during a long statement, so the
    // window can repaint.
    virtual void keepAlive() {}
};

} // namespace kalmira
