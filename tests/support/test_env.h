#pragma once

#include "foundation/locations.h"

#include <QTemporaryDir>

namespace kalmira::test {

// A fresh world for one test: a temporary base folder, locations inside it,
// default settings, the Hungarian locale and a fixed clock.
class TestEnv
{
public:
    explicit TestEnv(QDate today = QDate(2006, 5, 31));
    ~TestEnv();

    QString path(const QString &relative = {}) const;
    // The default data folder, created.
    QString dataFolder() const;
    const Locations &where() const { return locations(); }

private:
    QTemporaryDir m_dir;
};

// Writes a file, making its folder; the whole content at once.
void writeFile(const QString &path, const QByteArray &content);
// The file's bytes, empty when it cannot be read.
QByteArray readFile(const QString &path);

} // namespace kalmira::test
