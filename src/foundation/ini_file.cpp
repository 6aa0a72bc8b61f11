#include "foundation/ini_file.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

namespace kalmira {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path) {}

void IniFile::load()
{
    m_sections.clear();
    m_sections.append(Section{});
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString raw = in.readLine();
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_sections.append(Section{line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !line.startsWith(QLatin1Char(';')))
            m_sections.last().lines.append({line.left(eq).trimmed(), line.mid(eq + 1), raw});
        else
            m_sections.last().lines.append({{}, {}, raw});
    }
}

bool IniFile::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    for (const Section &section : m_sections) {
        if (!section.name.isEmpty())
            out << '[' << section.name << "]\n";
        for (const Line &line : section.lines)
            out << (line.key.isEmpty() ? line.raw : line.key + QLatin1Char('=') + line.value) << '\n';
    }
    out.flush();
    return file.commit();
}

qsizetype IniFile::sectionAt(const QString &name) const
{
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (!m_sections[i].name.isEmpty() && sameName(m_sections[i].name, name))
            return i;
    return -1;
}

qsizetype IniFile::lineAt(const Section &section, const QString &key)
{
    for (qsizetype i = 0; i < section.lines.size(); ++i)
        if (!section.lines[i].key.isEmpty() && sameName(section.lines[i].key, key))
            return i;
    return -1;
}

const IniFile::Line *IniFile::findLine(const QString &section, const QString &key) const
{
    const qsizetype s = sectionAt(section);
    if (s < 0)
        return nullptr;
    const qsizetype l = lineAt(m_sections[s], key);
    return l < 0 ? nullptr : &m_sections[s].lines[l];
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return findLine(section, key) != nullptr;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? line->value : defaultValue;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    qsizetype s = sectionAt(section);
    if (s < 0) {
        m_sections.append(Section{section, {}});
        s = m_sections.size() - 1;
    }
    Section &target = m_sections[s];
    if (const qsizetype l = lineAt(target, key); l >= 0) {
        target.lines[l].value = value;
        return;
    }
    // A new key goes after the section's last key, ahead of trailing blank lines.
    qsizetype at = target.lines.size();
    while (at > 0 && target.lines[at - 1].key.isEmpty() && target.lines[at - 1].raw.trimmed().isEmpty())
        --at;
    target.lines.insert(at, Line{key, value, {}});
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int result = value(section, key).trimmed().toInt(&ok);
    return ok ? result : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    bool ok = false;
    const int result = value(section, key).trimmed().toInt(&ok);
    return ok ? result != 0 : defaultValue;
}

QDate IniFile::readDate(const QString &section, const QString &key, QDate defaultValue) const
{
    const QString text = value(section, key).trimmed();
    QDate date = QDate::fromString(text, kDateFormat);
    if (!date.isValid())
        date = QLocale().toDate(text, QLocale::ShortFormat);
    return date.isValid() ? date : defaultValue;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeDate(const QString &section, const QString &key, QDate value)
{
    setValue(section, key, value.toString(kDateFormat));
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section &section : m_sections)
        if (!section.name.isEmpty())
            names << section.name;
    return names;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList names;
    if (const qsizetype s = sectionAt(section); s >= 0)
        for (const Line &line : m_sections[s].lines)
            if (!line.key.isEmpty())
                names << line.key;
    return names;
}

} // namespace kalmira
