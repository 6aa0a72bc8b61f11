#include "foundation/prompt.h"

#include "foundation/seged.h"

#include <QtGlobal>

namespace kalmira {
namespace {

// Until a window program installs its prompt, nothing can be asked.
class NoPrompt final : public Prompt
{
public:
    QVariant ask(const Question &question) override
    {
        qWarning("No prompt installed; unanswered: %s", qPrintable(question.text));
        return {};
    }
};

Prompt *&current()
{
    static NoPrompt none;
    static Prompt *installed = &none;
    return installed;
}

} // namespace

Prompt &prompt()
{
    return *current();
}

Prompt *setPrompt(Prompt *prompt)
{
    Prompt *previous = current();
    current() = prompt;
    return previous;
}

QString &applicationTitle()
{
    static QString title = QStringLiteral("Kalmira");
    return title;
}

bool KerdesBox(const QString &text, const QString &caption)
{
    return prompt().ask({Ask::Kerdes, caption, text, {}, {}}).toBool();
}

void HibaBox(const QString &text)
{
    prompt().ask({Ask::Hiba, QStringLiteral("Hiba"), text, {}, {}});
}

void UzenetBox(const QString &text)
{
    prompt().ask({Ask::Uzenet, QStringLiteral("Üzenet"), text, {}, {}});
}

void ErrorBox(const QString &text)
{
    prompt().ask({Ask::AppError, applicationTitle(), WithFullStop(text), {}, {}});
}

bool InputMaszk(const QString &caption, const QString &promptText, const QString &mask, QString &value)
{
    const QVariant answer =
        prompt().ask({Ask::Maszk, caption, promptText, value, {{QStringLiteral("mask"), mask}}});
    if (!answer.isValid())
        return false;
    value = answer.toString();
    return true;
}

std::optional<QString> SaveFileName(const QString &title, const QString &filter,
                                    const QString &suffix, const QString &proposedPath)
{
    const QVariant answer = prompt().ask(
        {Ask::SaveFile, title, {}, proposedPath,
         {{QStringLiteral("filter"), filter}, {QStringLiteral("suffix"), suffix}}});
    if (!answer.isValid() || answer.toString().isEmpty())
        return std::nullopt;
    return answer.toString();
}

} // namespace kalmira
