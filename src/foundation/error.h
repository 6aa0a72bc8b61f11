#pragma once

#include <QString>

#include <stdexcept>

namespace kalmira {

// A failure the user is told about in the "Kalmira" error box: the storage's
// own text, a file that cannot be written, a value that does not convert.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text)
    {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace kalmira
