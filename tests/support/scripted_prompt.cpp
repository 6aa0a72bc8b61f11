#include "support/scripted_prompt.h"

#include <QTest>

namespace kalmira::test {

ScriptedPrompt::ScriptedPrompt() : m_previous(setPrompt(this)) {}

ScriptedPrompt::~ScriptedPrompt()
{
    setPrompt(m_previous);
}

ScriptedPrompt &ScriptedPrompt::answer(const QVariant &reply)
{
    m_answers.enqueue(reply);
    return *this;
}

QVariant ScriptedPrompt::ask(const Question &question)
{
    m_asked.append(question);
    switch (question.kind) {
    case Ask::Hiba:
    case Ask::Uzenet:
    case Ask::AppError:
        return true;
    default:
        break;
    }
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + question.caption
                                + QStringLiteral(" / ") + question.text),
                     __FILE__, __LINE__);
        return {};
    }
    return m_answers.dequeue();
}

QStringList ScriptedPrompt::askedTexts() const
{
    QStringList texts;
    for (const Question &question : m_asked)
        texts << question.text;
    return texts;
}

void ScriptedPrompt::clear()
{
    m_answers.clear();
    m_asked.clear();
}

} // namespace kalmira::test
