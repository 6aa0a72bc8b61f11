#pragma once

#include "foundation/prompt.h"

#include <QList>
#include <QQueue>

namespace kalmira::test {

// A prompt that answers from a queue and records every question. Message
// boxes need no answer; a question with an empty queue fails the test.
class ScriptedPrompt final : public Prompt
{
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;

    ScriptedPrompt &answer(const QVariant &reply); // QVariant() means Cancel
    ScriptedPrompt &cancel() { return answer(QVariant()); }

    QVariant ask(const Question &question) override;

    const QList<Question> &asked() const { return m_asked; }
    QStringList askedTexts() const;
    int pendingAnswers() const { return int(m_answers.size()); }
    void clear();

private:
    QQueue<QVariant> m_answers;
    QList<Question> m_asked;
    Prompt *m_previous;
};

} // namespace kalmira::test
