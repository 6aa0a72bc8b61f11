#pragma once

#include <QString>

namespace kalmira {

// A running main program marks its presence in the data folder with a file
// of its own, "kalmira-<host>-<pid>.lock", held under an operating-system
// lock for as long as the program runs. The lock dies with the process, so a
// mark left behind by a crash is recognised as stale and removed.
class PresenceMark
{
public:
    PresenceMark() = default;
    ~PresenceMark();
    PresenceMark(const PresenceMark &) = delete;
    PresenceMark &operator=(const PresenceMark &) = delete;

    // Places the mark in folder; false when it cannot be written.
    bool place(const QString &folder);
    void remove();

    // True when some running program holds a mark in folder. Stale marks are
    // deleted on the way.
    static bool folderInUse(const QString &folder);
    static bool isMarkFile(const QString &relativePath);

private:
    QString m_path;
    int m_fd = -1;
};

} // namespace kalmira
