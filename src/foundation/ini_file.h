#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace kalmira {

// An INI file read and written in place: sections and keys keep their order
// and position, comments and blank lines survive, and a section or key that
// is written for the first time is appended at the end. Names compare
// without regard to letter case. The text is UTF-8.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    // Reads the file; a missing or unreadable file gives an empty one.
    void load();
    // Writes the whole file at once; false when it cannot be written.
    bool save() const;

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    // Typed readers: a missing key or a value that does not read gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    QDate readDate(const QString &section, const QString &key, QDate defaultValue) const;

    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void writeDate(const QString &section, const QString &key, QDate value);

    QStringList sections() const;
    QStringList keys(const QString &section) const;

private:
    struct Line
    {
        QString key; // empty for a comment or blank line
        QString value;
        QString raw;
    };
    struct Section
    {
        QString name; // empty for the lines before the first section
        QList<Line> lines;
    };

    // Positions in m_sections and in a section's lines; -1 when absent.
    qsizetype sectionAt(const QString &name) const;
    static qsizetype lineAt(const Section &section, const QString &key);
    const Line *findLine(const QString &section, const QString &key) const;

    QString m_path;
    QList<Section> m_sections;
};

} // namespace kalmira
