#include "support/test_env.h"

#include "foundation/beall.h"
#include "foundation/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace kalmira::test {

TestEnv::TestEnv(QDate today)
{
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    Clock::setFixed(today);
    Beall = TBeall{};
    QDir().mkpath(path(QStringLiteral("program")));
    QDir().mkpath(path(QStringLiteral("base")));
    locations() = Locations{path(QStringLiteral("program")), path(QStringLiteral("base")),
                            path(QStringLiteral("base/Kalmira.ini"))};
}

TestEnv::~TestEnv()
{
    Clock::reset();
    Beall = TBeall{};
    locations() = Locations{};
}

QString TestEnv::path(const QString &relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QString TestEnv::dataFolder() const
{
    const QString folder = locations().dataFolder();
    QDir().mkpath(folder);
    return folder;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace kalmira::test
