#include "foundation/presence_mark.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kalmira {
namespace {

const QString kPattern = QStringLiteral("kalmira-*.lock");

int openLocked(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

PresenceMark::~PresenceMark()
{
    remove();
}

bool PresenceMark::place(const QString &folder)
{
    remove();
    const QString host = QSysInfo::machineHostName().remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.]")));
    const QString path = QDir(folder).filePath(
        QStringLiteral("kalmira-%1-%2.lock").arg(host).arg(QCoreApplication::applicationPid()));
    m_fd = openLocked(path, O_RDWR | O_CREAT | O_TRUNC);
    if (m_fd < 0)
        return false;
    m_path = path;
    return true;
}

void PresenceMark::remove()
{
    if (m_fd < 0)
        return;
    QFile::remove(m_path);
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool PresenceMark::folderInUse(const QString &folder)
{
    const QDir dir(folder);
    bool inUse = false;
    for (const QString &name : dir.entryList({kPattern}, QDir::Files | QDir::Hidden)) {
        const QString path = dir.filePath(name);
        const int fd = openLocked(path, O_RDWR);
        if (fd < 0) {
            inUse = true; // someone holds the lock
            continue;
        }
        QFile::remove(path); // its program is gone
        ::close(fd);
    }
    return inUse;
}

bool PresenceMark::isMarkFile(const QString &relativePath)
{
    static const QRegularExpression mark(QStringLiteral("^kalmira-[^/]*\\.lock$"));
    return mark.match(relativePath).hasMatch();
}

} // namespace kalmira
